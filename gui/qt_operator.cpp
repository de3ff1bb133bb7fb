#include "qt_operator.h"

#include <fstream>
#include <iterator>

#include <QApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QStatusBar>
#include <QUrl>
#include <QVBoxLayout>

#include "app/frontend_text_ids.h"
#include "app/text_ids.h"
#include "app/text_table.h"
#include "entry_table_dialog.h"
#include "field_form_dialog.h"
#include "report_printing.h"
#include "report_viewer.h"
#include "row_pick_dialog.h"
#include "reports/print_settings.h"
#include "reports/report_file_text.h"
#include "reports/report_text_ids.h"
#include "reports/report_type.h"

namespace skitally {
namespace {

QMessageBox::Icon ToQIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QDialogButtonBox* OkayCancelButtons(QDialog& dialog, const QString& okay, const QString& cancel)
{
    auto* buttons = new QDialogButtonBox(&dialog);
    buttons->addButton(okay, QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(cancel, QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return buttons;
}

}  // namespace

QString QtFileFilter(const std::string& pairs)
{
    if (pairs.empty())
        return {};
    const QStringList parts = ToQ(pairs).split(QChar('|'));
    QStringList filters;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        QString name = parts[i].trimmed();
        QString patterns = i + 1 < parts.size() ? parts[i + 1] : QString();
        // Qt takes the patterns from the parentheses of the name, so a name
        // that carries its own "(...)" loses it and gets the real patterns.
        const qsizetype open = name.lastIndexOf(QChar('('));
        if (open >= 0 && name.endsWith(QChar(')'))) {
            if (patterns.trimmed().isEmpty())
                patterns = name.mid(open + 1, name.size() - open - 2);
            name = name.left(open).trimmed();
        }
        patterns.replace(QChar(';'), QChar(' '));
        patterns = patterns.simplified();
        if (patterns.isEmpty())
            patterns = QStringLiteral("*");
        if (name.isEmpty())
            name = patterns;
        filters << name + QStringLiteral(" (") + patterns + QChar(')');
    }
    return filters.join(QStringLiteral(";;"));
}

QtOperator::QtOperator(QWidget* parent, const AppContext* context) : parent_(parent), context_(context) {}

QtOperator::~QtOperator()
{
    ProgressEnd();
}

void QtOperator::AttachTo(QMainWindow* window)
{
    parent_ = window;
    QPointer<QMainWindow> target(window);
    SetStatusSink([target](const QString& text) {
        if (target)
            target->statusBar()->showMessage(text);
    });
}

void QtOperator::SetStatusSink(std::function<void(const QString&)> sink)
{
    statusSink_ = std::move(sink);
    // A text set before the window was up still belongs on it.
    if (statusSink_ && !status_.isEmpty())
        statusSink_(status_);
}

QString QtOperator::Text(int id, const char* fallback) const
{
    return context_ ? ToQ(context_->Text(id)) : QString::fromUtf8(fallback);
}

QString QtOperator::OkayCaption() const
{
    return Text(text::kOkay, "&Okay");
}

QString QtOperator::CancelCaption() const
{
    return Text(text::kCancel, "&Cancel");
}

int QtOperator::Message(const MessageBox& box)
{
    QMessageBox dialog(parent_);
    dialog.setWindowTitle(ToQ(box.title));
    dialog.setTextFormat(Qt::PlainText);
    dialog.setText(ToQ(box.text));
    dialog.setIcon(ToQIcon(box.icon));

    std::vector<QAbstractButton*> buttons;
    // One role for all keeps the buttons in the order the caller gave them.
    for (const std::string& caption : box.buttons)
        buttons.push_back(dialog.addButton(ToQ(caption), QMessageBox::ActionRole));
    if (buttons.empty())
        buttons.push_back(dialog.addButton(OkayCaption(), QMessageBox::ActionRole));
    // QMessageBox ignores Escape and the close button unless one of its
    // buttons is the escape button; a hidden one stands for "cancelled".
    QPushButton* cancelled = dialog.addButton(QMessageBox::Cancel);
    cancelled->hide();
    dialog.setEscapeButton(cancelled);
    if (box.defaultButton >= 0 && box.defaultButton < static_cast<int>(buttons.size()))
        dialog.setDefaultButton(static_cast<QPushButton*>(buttons[static_cast<std::size_t>(box.defaultButton)]));

    dialog.exec();
    QAbstractButton* clicked = dialog.clickedButton();
    for (std::size_t i = 0; i < buttons.size(); ++i)
        if (buttons[i] == clicked)
            return static_cast<int>(i);
    return -1;
}

std::optional<std::string> QtOperator::AskText(const TextQuestion& question)
{
    QInputDialog dialog(parent_);
    dialog.setWindowTitle(ToQ(question.title));
    dialog.setLabelText(ToQ(question.prompt));
    dialog.setOkButtonText(OkayCaption());
    dialog.setCancelButtonText(CancelCaption());
    if (!question.allowed.empty()) {
        // The allowed answers are offered, but the caller still judges what
        // was typed, so the box stays editable.
        QStringList items;
        for (const std::string& value : question.allowed)
            items << ToQ(value);
        dialog.setComboBoxItems(items);
        dialog.setComboBoxEditable(true);
    } else {
        dialog.setInputMode(QInputDialog::TextInput);
    }
    dialog.setTextValue(ToQ(question.defaultText));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return FromQ(dialog.textValue());
}

std::optional<int> QtOperator::Choose(const ListChoice& choice)
{
    if (choice.items.empty())
        return std::nullopt;
    // A list rather than QInputDialog::getItem: that one answers with the
    // text, and two items may read the same.
    QDialog dialog(parent_);
    dialog.setWindowTitle(ToQ(choice.title));
    auto* layout = new QVBoxLayout(&dialog);
    auto* prompt = new QLabel(ToQ(choice.prompt), &dialog);
    prompt->setTextFormat(Qt::PlainText);
    auto* list = new QListWidget(&dialog);
    for (const std::string& item : choice.items)
        list->addItem(ToQ(StripAccelerator(item)));
    list->setCurrentRow(0);
    prompt->setBuddy(list);
    layout->addWidget(prompt);
    layout->addWidget(list);
    layout->addWidget(OkayCancelButtons(dialog, OkayCaption(), CancelCaption()));
    QObject::connect(list, &QListWidget::itemActivated, &dialog, &QDialog::accept);
    if (dialog.exec() != QDialog::Accepted || list->currentRow() < 0)
        return std::nullopt;
    return list->currentRow();
}

std::optional<std::vector<int>> QtOperator::PickRows(const RowPick& pick)
{
    RowPickCaptions captions;
    if (context_) {
        captions.options = Text(frontend_text::kSelectionOptions, "");
        captions.showOnly = Text(frontend_text::kShowCheckedOnly, "");
        captions.showAll = Text(frontend_text::kShowAllRacers, "");
        captions.select = Text(frontend_text::kTickSelected, "");
        captions.clear = Text(frontend_text::kClearTicks, "");
        captions.filter = Text(frontend_text::kFilter, "");
    }
    captions.okay = OkayCaption();
    captions.cancel = CancelCaption();
    RowPickDialog dialog(pick, captions, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.TickedRows();
}

std::optional<std::string> QtOperator::PickFile(const FilePick& pick)
{
    QString start = ToQ(pick.startFolder);
    if (!pick.defaultName.empty())
        start = QDir(start).filePath(ToQ(pick.defaultName));
    const QString filter = QtFileFilter(pick.filter);
    const QString chosen = pick.save ? QFileDialog::getSaveFileName(parent_, ToQ(pick.title), start, filter)
                                     : QFileDialog::getOpenFileName(parent_, ToQ(pick.title), start, filter);
    if (chosen.isEmpty())
        return std::nullopt;
    return FromQ(QDir::toNativeSeparators(chosen));
}

std::optional<std::string> QtOperator::PickFolder(const std::string& title, const std::string& startFolder)
{
    const QString chosen = QFileDialog::getExistingDirectory(parent_, ToQ(title), ToQ(startFolder));
    if (chosen.isEmpty())
        return std::nullopt;
    // Folders travel with a trailing separator throughout the core.
    return WithTrailingSeparator(FromQ(QDir::toNativeSeparators(chosen)));
}

bool QtOperator::EditForm(FieldForm& form)
{
    FieldFormDialog dialog(form, OkayCaption(), CancelCaption(), parent_);
    return dialog.exec() == QDialog::Accepted;
}

void QtOperator::EditTable(EntryTable& table, const TableRowTake& take)
{
    EntryTableDialog dialog(table, take, OkayCaption(), parent_);
    dialog.exec();
}

void QtOperator::ProgressStart(const std::string& title, int total)
{
    ProgressEnd();
    auto* dialog = new QProgressDialog(parent_);
    dialog->setWindowTitle(ToQ(title));
    dialog->setLabelText(ToQ(title));
    // Operations run to the end once started; there is nothing to cancel.
    dialog->setCancelButton(nullptr);
    dialog->setRange(0, std::max(total, 0));
    dialog->setAutoClose(false);
    dialog->setAutoReset(false);
    dialog->setMinimumDuration(0);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
    progress_ = dialog;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtOperator::ProgressStep(int done, const std::string& text)
{
    if (!progress_)
        return;
    if (!text.empty())
        progress_->setLabelText(ToQ(text));
    progress_->setValue(std::min(done, progress_->maximum()));
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtOperator::ProgressEnd()
{
    if (!progress_)
        return;
    progress_->close();
    delete progress_.data();
}

void QtOperator::Beep()
{
    QApplication::beep();
}

void QtOperator::StatusText(const std::string& text)
{
    status_ = ToQ(text);
    if (statusSink_)
        statusSink_(status_);
}

PrintSettings QtOperator::ReportSettings(const std::string& path) const
{
    PrintSettings settings;
    if (context_ && context_->settings)
        settings = PrintSettingsFor(*context_->settings, PrintCodeOfFile(path));
    // A report wider than 104 characters is shown and printed at 8 points.
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    settings.fontSize = ReportFontSize(settings.fontSize, WidestLine(SplitReportPages(bytes)));
    return settings;
}

void QtOperator::ShowReport(const std::string& path, const std::string& title)
{
    const std::optional<QString> text = ReadReportText(path);
    ReportViewer::Captions captions;
    if (context_) {
        captions.print = Text(frontend_text::kPrint, "");
        captions.savePdf = Text(report_text::kSaveAsPdf, "");
        captions.exit = Text(frontend_text::kExitViewer, "");
    }
    const QString caption = title.empty() ? QDir::toNativeSeparators(ToQ(path)) : ToQ(title);
    const PrintSettings settings = ReportSettings(path);
    ReportViewer viewer(caption, text.value_or(QString()), settings.fontSize, captions, parent_);
    // Dialogs of the viewer's buttons open over the viewer.
    const auto overViewer = [this, &viewer](const std::function<void()>& action) {
        const QPointer<QWidget> owner = parent_;
        parent_ = &viewer;
        action();
        parent_ = owner;
    };
    const std::string opened = text ? path : std::string();
    const auto noFile = [this] {
        Message({FromQ(Text(text::kMessageTitle, "Skitally Message")),
                 FromQ(Text(report_text::kNoFileOpened, "No File Opened")),
                 {FromQ(OkayCaption())},
                 MessageIcon::Information});
    };
    QObject::connect(&viewer, &ReportViewer::printRequested, &viewer,
                     [this, &viewer, opened, settings, overViewer, noFile] {
                         overViewer([&] {
                             if (!context_) {
                                 // Without the program's context there are no
                                 // print settings and no texts to print with.
                                 Message({FromQ(Text(text::kMessageTitle, "Skitally Message")),
                                          FromQ(Text(text::kNotAvailableYet, "This command is not available yet.")),
                                          {FromQ(OkayCaption())},
                                          MessageIcon::Information});
                             } else if (opened.empty()) {
                                 noFile();
                             } else {
                                 PrintReportFile(*context_, *this, &viewer, opened, settings);
                             }
                         });
                     });
    QObject::connect(&viewer, &ReportViewer::savePdfRequested, &viewer, [this, opened, overViewer, noFile] {
        overViewer([&] {
            if (opened.empty() || !context_)
                noFile();
            else
                SaveReportAsPdf(*context_, *this, opened);
        });
    });
    viewer.exec();
}

void QtOperator::OpenDocument(const std::string& path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(ToQ(path)));
}

}  // namespace skitally
