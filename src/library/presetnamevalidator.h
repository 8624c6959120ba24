#pragma once

#include <QValidator>

// Takes a preset name only as the controller can store it: at most 16
// characters, each in Latin-1. Input that does not fit is refused whole (the
// line edit keeps its text) and the reason is told through refused(), so
// nothing is ever cut silently.
class PresetNameValidator : public QValidator
{
    Q_OBJECT

public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override;

signals:
    void refused(const QString &reason) const;
};
