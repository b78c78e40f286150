#include "TFileListBox.h"

#include <QDir>

TFileListBox::TFileListBox(QWidget* parent) : QListWidget(parent)
{
    setUniformItemSizes(true);
    connect(this, &QListWidget::currentRowChanged, this, &TFileListBox::Change);
}

void TFileListBox::setMask(const QString& masque)
{
    masque_ = masque;
    lister();
}

void TFileListBox::setItemHeight(int hauteur)
{
    hauteurElement_ = hauteur;
    lister();
}

void TFileListBox::setDirectory(const QString& dossier)
{
    dossier_ = dossier;
    lister();
}

QString TFileListBox::FileName() const
{
    const QListWidgetItem* element = currentItem();
    return element == nullptr ? QString() : QDir(dossier_).filePath(element->text());
}

void TFileListBox::lister()
{
    clear();
    if (dossier_.isEmpty()) {
        return;
    }
    // Name filters ignore case, as on the game's platform: BOSS.ICO is an icon too.
    const QStringList noms =
        QDir(dossier_).entryList(QStringList{masque_}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString& nom : noms) {
        auto* element = new QListWidgetItem(nom, this);
        element->setSizeHint(QSize(0, hauteurElement_));
    }
}
