#pragma once
#include <QObject>
#include <QString>
#include <QUrl>
#include <functional>
#include <utility>
#include <vector>

// Takes the place of the desktop's file handler while it lives, remembering
// what it was asked to open and whether the hourglass was showing then.
class OpenedFiles : public QObject {
    Q_OBJECT
  public:
    explicit OpenedFiles(std::function<bool()> busyNow);
    ~OpenedFiles() override;

    std::vector<std::pair<QString, bool>> opened;

  public slots:
    void Open(const QUrl& url);

  private:
    std::function<bool()> busyNow_;
};
