#pragma once
#include <QDateTime>
#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>
#include <functional>
#include <string>

namespace Tabulon {

// Watches the report shown for the program that wrote it writing it again,
// in place or as a new file renamed over it, and asks for it to be read again
// once it has stopped changing: the system's file watching where it can
// (the file and its folder, since a file renamed over it is another file),
// and a look at its size and time every few seconds for folders it cannot
// watch, such as network shares.
class ReportWatcher : public QObject {
    Q_OBJECT
  public:
    // `changed` is called on the window's thread when the report should be
    // read again; `settle` is how long it must stay as it is before that.
    ReportWatcher(std::function<void()> changed, int settleMilliseconds = 1000,
                  QObject* parent = nullptr);
    // The report now shown, as it is now.
    void Watch(const std::string& path);

  private:
    struct Look {
        bool exists = false;
        qint64 size = -1;
        QDateTime modified;
        bool operator==(const Look&) const = default;
    };
    Look LookAtReport() const;
    void Noticed();
    void Settle();

    std::function<void()> changed_;
    QString path_;
    QFileSystemWatcher watcher_;
    QTimer poll_;
    QTimer settle_;
    Look shown_;  // the report as it was read
    Look last_;   // as it was when last looked at
};

}  // namespace Tabulon
