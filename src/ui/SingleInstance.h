#pragma once

#include <QObject>
#include <filesystem>
#include <memory>

class QLocalServer;

namespace torvalet {
class AppFolderLock;
}

namespace torvalet::ui {

// One window program per application folder: the first holds the folder's lock and listens for
// later starts, which ask it to come to the front and end.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(std::filesystem::path home, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this program now holds the folder.
    bool acquire();
    // Asks the holder to show its window; false when it could not be reached.
    bool activateRunning() const;

signals:
    void activationRequested();

private:
    QString serverName() const;

    std::filesystem::path home_;
    std::unique_ptr<AppFolderLock> lock_;
    QLocalServer* server_ = nullptr;
};

}  // namespace torvalet::ui
