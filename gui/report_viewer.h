#pragma once
// The read-only view of a report file, in the fixed-pitch font the columns
// were counted for.

#include <optional>
#include <string>

#include <QDialog>
#include <QString>

class QPlainTextEdit;
class QPushButton;

namespace skitally {

// The text of a report file: Windows-1252 bytes with CR LF line ends and a
// form feed before each new page. nullopt when the file cannot be read.
std::optional<QString> ReadReportText(const std::string& path);

class ReportViewer : public QDialog {
    Q_OBJECT
public:
    struct Captions {
        QString print = QStringLiteral("&Print");
        QString savePdf = QStringLiteral("Save as &PDF");
        QString exit = QStringLiteral("E&xit");
    };

    ReportViewer(const QString& title, const QString& text, double fontSize, const Captions& captions,
                 QWidget* parent = nullptr);

    QPlainTextEdit* textView() const { return view_; }
    QPushButton* printButton() const { return print_; }
    QPushButton* savePdfButton() const { return savePdf_; }
    QPushButton* exitButton() const { return exit_; }

signals:
    void printRequested();
    void savePdfRequested();

private:
    QPlainTextEdit* view_;
    QPushButton* print_;
    QPushButton* savePdf_;
    QPushButton* exit_;
};

}  // namespace skitally
