#pragma once
// Qt's own dialogs (file, print, colour...) in the operator's language:
// Qt's translation of its base library, installed while French is chosen.

#include <memory>

#include <QString>

class QTranslator;

namespace skitally {

class QtTranslation {
public:
    QtTranslation();
    ~QtTranslation();
    QtTranslation(const QtTranslation&) = delete;
    QtTranslation& operator=(const QtTranslation&) = delete;

    // Installs "qtbase_fr" for French and removes it for the others. A
    // missing translation file leaves Qt's dialogs in English, quietly.
    void Follow(int language);
    bool installed() const { return installed_; }

    // Where Qt keeps its own translations.
    static QString Folder();

private:
    std::unique_ptr<QTranslator> translator_;
    int language_ = -1;
    bool installed_ = false;
};

}  // namespace skitally
