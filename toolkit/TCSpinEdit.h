#ifndef OMBRELIN_TCSPINEDIT_H
#define OMBRELIN_TCSPINEDIT_H

#include <QAbstractSpinBox>

// An integer field with arrows that, unlike QSpinBox, lets any integer be typed, above its bound
// or below 0: the window's own rules bring the value back in range.
class TCSpinEdit : public QAbstractSpinBox {
    Q_OBJECT

public:
    explicit TCSpinEdit(QWidget* parent = nullptr);

    // The text as an integer; MinValue while the text is not one ("", "-").
    int Value() const;
    // Shows valeur as it is: the field never clamps what it is given.
    void setValue(int valeur);
    int MaxValue() const { return max_; }
    // Leaves the value alone.
    void setMaxValue(int max) { max_ = max; }
    int MinValue() const { return min_; }
    void setMinValue(int min) { min_ = min; }

    // The arrows move within MinValue and MaxValue.
    void stepBy(int pas) override;
    QValidator::State validate(QString& texte, int& position) const override;

signals:
    // Every change of the text, typed or set.
    void Change();

protected:
    StepEnabled stepEnabled() const override;

private:
    int min_ = 0;
    int max_ = 100;
};

#endif
