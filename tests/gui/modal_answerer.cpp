#include "modal_answerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QProgressDialog>
#include <QTest>

#include <gtest/gtest.h>

namespace skitally::testing {

QString WithoutAccelerator(QString caption)
{
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(QChar('&'));
    caption.replace(QChar('\x01'), QChar('&'));
    return caption;
}

ModalAnswerer::ModalAnswerer()
{
    connect(&timer_, &QTimer::timeout, this, &ModalAnswerer::Poll);
    timer_.start(10);
}

ModalAnswerer& ModalAnswerer::Then(Action action)
{
    actions_.push_back(std::move(action));
    return *this;
}

ModalAnswerer& ModalAnswerer::ThenClick(const QString& caption)
{
    return Then([caption](QWidget* dialog) {
        for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
            if (button->isVisible() && WithoutAccelerator(button->text()) == caption) {
                button->click();
                return;
            }
        ADD_FAILURE() << "no button " << caption.toStdString() << " on " << dialog->windowTitle().toStdString();
        dialog->close();
    });
}

ModalAnswerer& ModalAnswerer::ThenClose()
{
    return Then([](QWidget* dialog) { dialog->close(); });
}

bool ModalAnswerer::WaitForSeen(std::size_t count, int timeoutMs) const
{
    return QTest::qWaitFor([&] { return seen_.size() >= count; }, timeoutMs);
}

void ModalAnswerer::Poll()
{
    QWidget* dialog = QApplication::activeModalWidget();
    // A progress window is modal too, but nobody answers it.
    if (!dialog || dialog == last_ || !dialog->isVisible() || qobject_cast<QProgressDialog*>(dialog))
        return;
    last_ = dialog;

    SeenDialog seen{QString::fromLatin1(dialog->metaObject()->className()), dialog->windowTitle(), {}, {}};
    if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
        seen.text = box->text();
        for (QAbstractButton* button : box->buttons())
            if (button->isVisible())
                seen.buttons << button->text();
    }
    seen_.push_back(seen);

    if (actions_.empty()) {
        ++unexpected_;
        ADD_FAILURE() << "unexpected dialog \"" << seen.title.toStdString() << "\": " << seen.text.toStdString();
        QTimer::singleShot(0, dialog, [dialog] { dialog->close(); });
        return;
    }
    // Run from the event loop, so that an action that blocks (a nested
    // dialog) leaves this poll free to answer what comes next.
    Action action = std::move(actions_.front());
    actions_.pop_front();
    QTimer::singleShot(0, dialog, [dialog, action] { action(dialog); });
}

}  // namespace skitally::testing
