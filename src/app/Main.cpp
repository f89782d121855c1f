// tabulon: the report viewer window. The window itself is still being built;
// until then the program says so instead of opening an empty window.
#include <QApplication>
#include <QMessageBox>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMessageBox::information(nullptr, QString::fromUtf8("Vornak Yazılım"),
                             QString::fromUtf8("Görüntüleyici penceresi henüz hazır değil."));
    return 1;
}
