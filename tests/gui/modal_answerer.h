#pragma once
// Plays the operator: answers, one after another, the modal dialogs that
// the code under test opens and waits on. A dialog nobody expected is
// closed (cancelled) and counted, so a test never hangs on it.

#include <deque>
#include <functional>
#include <vector>

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

namespace skitally::testing {

struct SeenDialog {
    QString className;
    QString title;
    QString text;         // a message box's text
    QStringList buttons;  // a message box's visible buttons, "&" kept
};

class ModalAnswerer : public QObject {
    Q_OBJECT
public:
    using Action = std::function<void(QWidget* dialog)>;

    ModalAnswerer();

    // The next dialog gets `action`; it may block (it runs from the event
    // loop, not from inside the answerer).
    ModalAnswerer& Then(Action action);
    // Clicks the message-box button whose caption, without "&", is `caption`.
    ModalAnswerer& ThenClick(const QString& caption);
    // Closes the next dialog from its title bar.
    ModalAnswerer& ThenClose();

    const std::vector<SeenDialog>& seen() const { return seen_; }
    int unexpected() const { return unexpected_; }
    bool finished() const { return actions_.empty(); }
    // Waits until `count` dialogs have come; false on timeout.
    bool WaitForSeen(std::size_t count, int timeoutMs = 5000) const;

private:
    void Poll();

    QTimer timer_;
    std::deque<Action> actions_;
    QPointer<QWidget> last_;
    std::vector<SeenDialog> seen_;
    int unexpected_ = 0;
};

// Button captions as the operator reads them.
QString WithoutAccelerator(QString caption);

}  // namespace skitally::testing
