#include "Unit_aide.h"

#include "ui_Unit_aide.h"

TFaide::TFaide(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TFaide>())
{
    ui->setupUi(this);
    // The layout file sizes the client area, 295 × 184 with the frame, but does not place a
    // top-level window.
    move(401, 512);
    QFont police = font();
    police.setPixelSize(11); // as the layout was drawn; a layout file gives points only
    setFont(police);
    connect(ui->ButtonOK, &QPushButton::clicked, this, &TFaide::ButtonOKClick);
}

TFaide::~TFaide() = default;

void TFaide::ButtonOKClick() { close(); }
