#include "TCSpinEdit.h"

#include <QLineEdit>

#include <algorithm>

TCSpinEdit::TCSpinEdit(QWidget* parent) : QAbstractSpinBox(parent)
{
    setValue(0);
    connect(lineEdit(), &QLineEdit::textChanged, this, &TCSpinEdit::Change);
}

int TCSpinEdit::Value() const
{
    bool entier = false;
    const int valeur = text().toInt(&entier);
    return entier ? valeur : min_;
}

void TCSpinEdit::setValue(int valeur) { lineEdit()->setText(QString::number(valeur)); }

void TCSpinEdit::stepBy(int pas)
{
    setValue(std::clamp(static_cast<long long>(Value()) + pas, static_cast<long long>(min_),
                        static_cast<long long>(std::max(min_, max_))));
    selectAll();
}

QValidator::State TCSpinEdit::validate(QString& texte, int&) const
{
    // A sign and up to nine digits always fit an int; "" and a lone sign are steps of typing.
    const QStringView chiffres =
        QStringView(texte).mid(texte.startsWith(u'+') || texte.startsWith(u'-') ? 1 : 0);
    if (chiffres.size() > 9 || !std::all_of(chiffres.begin(), chiffres.end(),
                                            [](QChar c) { return c >= u'0' && c <= u'9'; })) {
        return QValidator::Invalid;
    }
    bool complet = false;
    texte.toInt(&complet);
    return complet ? QValidator::Acceptable : QValidator::Intermediate;
}

QAbstractSpinBox::StepEnabled TCSpinEdit::stepEnabled() const
{
    return StepUpEnabled | StepDownEnabled;
}
