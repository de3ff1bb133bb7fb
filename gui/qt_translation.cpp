#include "qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/text_table.h"

namespace skitally {

QtTranslation::QtTranslation() : translator_(std::make_unique<QTranslator>()) {}

QtTranslation::~QtTranslation()
{
    if (installed_)
        QCoreApplication::removeTranslator(translator_.get());
}

QString QtTranslation::Folder()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

void QtTranslation::Follow(int language)
{
    if (language == language_)
        return;
    language_ = language;
    if (installed_) {
        QCoreApplication::removeTranslator(translator_.get());
        installed_ = false;
    }
    if (language != kFrench)
        return;
    if (translator_->load(QStringLiteral("qtbase_fr"), Folder()))
        installed_ = QCoreApplication::installTranslator(translator_.get());
}

}  // namespace skitally
