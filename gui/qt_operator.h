#pragma once
// The operator at the keyboard, answered with Qt dialogs. Every dialog is
// modal and returns only when the operator has answered it.

#include <functional>
#include <string>

#include <QPointer>
#include <QString>

#include "app/app_context.h"
#include "app/operator.h"
#include "reports/print_settings.h"

class QMainWindow;
class QProgressDialog;
class QWidget;

namespace skitally {

// UTF-8 in the core, QString in the widgets.
inline QString ToQ(const std::string& text) { return QString::fromStdString(text); }
inline std::string FromQ(const QString& text) { return text.toStdString(); }

// "Race Files (*.rcr)|*.rcr|All (*.*)|*.*" becomes Qt's
// "Race Files (*.rcr);;All (*.*)". The pattern half of each pair is the one
// that counts; several patterns may be separated by ";".
QString QtFileFilter(const std::string& pairs);

class QtOperator : public Operator {
public:
    // `context` supplies the captions of the dialogs' own buttons in the
    // operator's language and the viewer's print settings; it may be null.
    explicit QtOperator(QWidget* parent = nullptr, const AppContext* context = nullptr);
    ~QtOperator() override;
    QtOperator(const QtOperator&) = delete;
    QtOperator& operator=(const QtOperator&) = delete;

    void SetParent(QWidget* parent) { parent_ = parent; }
    QWidget* parentWidget() const { return parent_; }
    // Dialogs open over the window and status texts go to its status bar.
    void AttachTo(QMainWindow* window);
    void SetStatusSink(std::function<void(const QString&)> sink);
    const QString& lastStatus() const { return status_; }

    int Message(const MessageBox& box) override;
    std::optional<std::string> AskText(const TextQuestion& question) override;
    std::optional<int> Choose(const ListChoice& choice) override;
    std::optional<std::vector<int>> PickRows(const RowPick& pick) override;
    std::optional<std::string> PickFile(const FilePick& pick) override;
    std::optional<std::string> PickFolder(const std::string& title, const std::string& startFolder) override;
    bool EditForm(FieldForm& form) override;
    void EditTable(EntryTable& table, const TableRowTake& take) override;
    void ProgressStart(const std::string& title, int total) override;
    void ProgressStep(int done, const std::string& text) override;
    void ProgressEnd() override;
    void Beep() override;
    void StatusText(const std::string& text) override;
    void ShowReport(const std::string& path, const std::string& title) override;
    void OpenDocument(const std::string& path) override;

private:
    QString Text(int id, const char* fallback) const;
    QString OkayCaption() const;
    QString CancelCaption() const;
    // The print settings of the file's type code, at 8 points when wide.
    PrintSettings ReportSettings(const std::string& path) const;

    QPointer<QWidget> parent_;
    const AppContext* context_;
    std::function<void(const QString&)> statusSink_;
    QString status_;
    QPointer<QProgressDialog> progress_;
};

}  // namespace skitally
