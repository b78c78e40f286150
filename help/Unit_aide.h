#ifndef OMBRELIN_UNIT_AIDE_H
#define OMBRELIN_UNIT_AIDE_H

#include <QDialog>

#include <memory>

namespace Ui {
class TFaide;
}

// Two usage notes for level designers. Created once, hidden; each opening shows it again.
class TFaide : public QDialog {
    Q_OBJECT

public:
    explicit TFaide(QWidget* parent = nullptr);
    ~TFaide() override;

private:
    void ButtonOKClick();

    std::unique_ptr<Ui::TFaide> ui;
};

#endif
