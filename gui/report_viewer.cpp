#include "report_viewer.h"

#include <fstream>
#include <iterator>

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "report_painter.h"
#include "util/codepage.h"

namespace skitally {

std::optional<QString> ReadReportText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // Latin-1 would turn the 0x80-0x9F range (the euro sign, curly quotes)
    // into control characters; the files are Windows-1252.
    QString text = QString::fromStdString(Cp1252ToUtf8(bytes));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // A page ends with a form feed and no line end, so the next page already
    // starts on a line of its own once the feed is gone.
    text.remove(QChar('\f'));
    return text;
}

ReportViewer::ReportViewer(const QString& title, const QString& text, double fontSize, const Captions& captions,
                           QWidget* parent)
    : QDialog(parent), view_(new QPlainTextEdit(this)), print_(new QPushButton(captions.print, this)),
      savePdf_(new QPushButton(captions.savePdf, this)), exit_(new QPushButton(captions.exit, this))
{
    setWindowTitle(title);
    setSizeGripEnabled(true);

    // Reports are laid out in columns of characters: the printer's face
    // (Liberation Mono where Courier New is not installed), else any
    // monospace face keeps them aligned.
    QFont font = ReportFont(fontSize > 0 ? fontSize : 9, false);
    if (!QFontInfo(font).fixedPitch()) {
        const double size = font.pointSizeF();
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        if (size > 0)
            font.setPointSizeF(size);
    }
    view_->setFont(font);
    view_->setReadOnly(true);
    view_->setLineWrapMode(QPlainTextEdit::NoWrap);
    view_->setPlainText(text);
    view_->moveCursor(QTextCursor::Start);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(print_);
    buttons->addWidget(savePdf_);
    buttons->addWidget(exit_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_);
    layout->addLayout(buttons);

    exit_->setDefault(true);
    connect(exit_, &QPushButton::clicked, this, &QDialog::accept);
    connect(print_, &QPushButton::clicked, this, &ReportViewer::printRequested);
    connect(savePdf_, &QPushButton::clicked, this, &ReportViewer::savePdfRequested);

    // Wide enough for a 104-column report line.
    const QFontMetrics metrics(font);
    resize(metrics.horizontalAdvance(QString(106, QChar('M'))) + 60, metrics.lineSpacing() * 40 + 80);
}

}  // namespace skitally
