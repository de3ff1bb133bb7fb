#pragma once
// Key-by-key checks of a form field: a key the field does not take is
// dropped with two beeps, and F8 switches a time between seconds and
// minutes:seconds.

#include <functional>
#include <string>

#include <QObject>

class QLineEdit;

namespace skitally {

class KeyFilter : public QObject {
public:
    using Accepts = std::function<bool(const std::string& current, char key)>;
    KeyFilter(QLineEdit* edit, Accepts accepts, bool timeField);
    int refusedKeys() const { return refused_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* edit_;
    Accepts accepts_;
    bool timeField_;
    int refused_ = 0;
};

}  // namespace skitally
