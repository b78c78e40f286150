#include "Unit_aide.h"

#include "ui_Unit_aide.h"

TFaide::TFaide(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TFaide>())
{
    ui->setupUi(this);
    // The layout file gives the client size: 295 × 184 with the frame, as the window was drawn.
    move(401, 512); // the layout file only sizes a top-level window
    QFont police = font();
    police.setPixelSize(11); // as the layout was drawn; a layout file gives points only
    setFont(police);
    connect(ui->ButtonOK, &QPushButton::clicked, this, &TFaide::ButtonOKClick);
}

TFaide::~TFaide() = default;

void TFaide::ButtonOKClick() { close(); }
