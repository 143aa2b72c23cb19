#pragma once
// The notification-area icon that hides the main window and brings it back.

#include <QObject>

class QSystemTrayIcon;
class QWidget;

namespace quelmo {

class TTrayIcon : public QObject {
    Q_OBJECT
public:
    // The owner is the window sent to the tray and brought back.
    explicit TTrayIcon(QWidget* owner);
    ~TTrayIcon() override;

    // Adds or removes the icon; without a notification area the window is merely hidden.
    void SetVisible(bool visible);
    bool Visible() const { return mVisible; }

    void Minimize();
    void Restore();

    int MinimizeCount() const { return mMinimizes; }
    int RestoreCount() const { return mRestores; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* mOwner;
    QSystemTrayIcon* mIcon = nullptr;
    bool mVisible = false;
    int mMinimizes = 0;
    int mRestores = 0;
};

} // namespace quelmo
