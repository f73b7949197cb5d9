#pragma once

#include <QValidator>

namespace talmero::app {

// Lets an edit take hex digits only and upper-cases them as they are typed: the module
// answers in upper case, and the expected answer is built from the edit's text.
class UpperHexValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override;
};

} // namespace talmero::app
