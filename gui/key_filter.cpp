#include "key_filter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "entries/field_parms.h"

namespace skitally {

KeyFilter::KeyFilter(QLineEdit* edit, Accepts accepts, bool timeField)
    : QObject(edit), edit_(edit), accepts_(std::move(accepts)), timeField_(timeField)
{
    edit->installEventFilter(this);
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != edit_ || event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (timeField_ && key->key() == Qt::Key_F8) {
        edit_->setText(QString::fromStdString(ToggleTimeFormat(edit_->text().toStdString())));
        return true;
    }
    const QString typed = key->text();
    // Control keys (Tab, Enter, arrows, Backspace) pass untouched.
    if (!accepts_ || typed.size() != 1 || !typed.at(0).isPrint())
        return false;
    // The key lands at the cursor, replacing any selection: what stands
    // before it is what the key must fit after.
    QString before = edit_->text();
    if (edit_->hasSelectedText())
        before.remove(edit_->selectionStart(), edit_->selectedText().size());
    const int cursor = edit_->hasSelectedText() ? edit_->selectionStart() : edit_->cursorPosition();
    const QByteArray latin = typed.toLatin1();
    const char c = typed.at(0).unicode() < 128 ? latin.at(0) : '\x7f';
    if (accepts_(before.left(cursor).toStdString(), c))
        return false;
    ++refused_;
    QApplication::beep();
    QApplication::beep();
    return true;
}

}  // namespace skitally
