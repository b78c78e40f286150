#include "TDirectoryListBox.h"

#include "TFileListBox.h"

#include <QDir>

TDirectoryListBox::TDirectoryListBox(QWidget* parent) : QListWidget(parent)
{
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemActivated, this, [this](QListWidgetItem* element) {
        setDirectory(element->data(Qt::UserRole).toString());
    });
    setDirectory(QDir::currentPath());
}

void TDirectoryListBox::setItemHeight(int hauteur)
{
    hauteurElement_ = hauteur;
    setDirectory(dossier_);
}

void TDirectoryListBox::setFileList(TFileListBox* fichiers)
{
    fichiers_ = fichiers;
    fichiers_->setDirectory(dossier_);
}

void TDirectoryListBox::setDirectory(const QString& dossier)
{
    dossier_ = QDir(dossier).absolutePath();
    clear();
    QStringList ancetres;
    for (QDir d(dossier_); !d.isRoot(); d.cdUp()) {
        ancetres.prepend(d.absolutePath());
    }
    ancetres.prepend(QDir::rootPath());
    for (int i = 0; i < ancetres.size(); ++i) {
        const QString nom = i == 0 ? ancetres[i] : QDir(ancetres[i]).dirName();
        ajouter(nom, ancetres[i], i);
    }
    setCurrentRow(count() - 1);
    const QStringList sousDossiers =
        QDir(dossier_).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& nom : sousDossiers) {
        ajouter(nom, QDir(dossier_).filePath(nom), static_cast<int>(ancetres.size()));
    }
    scrollToItem(currentItem());
    if (fichiers_ != nullptr) {
        fichiers_->setDirectory(dossier_);
    }
}

void TDirectoryListBox::ajouter(const QString& nom, const QString& chemin, int niveau)
{
    auto* element = new QListWidgetItem(QString(niveau * 2, u' ') + nom, this);
    element->setData(Qt::UserRole, chemin);
    element->setSizeHint(QSize(0, hauteurElement_));
}
