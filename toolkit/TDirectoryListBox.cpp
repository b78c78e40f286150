#include "TDirectoryListBox.h"

#include "TFileListBox.h"

#include <QDir>
#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <vector>

namespace {

struct Contenu {
    QStringList dossiers;
    QStringList fichiers;
};

// Ordered as QDir::Name | QDir::IgnoreCase orders them, ties included: the same comparison of
// lower-case names by the same unstable sort, from the order the directory gives.
void trier(QStringList& noms)
{
    std::vector<std::pair<QString, QString>> cles; // the lower-case name, then the name
    cles.reserve(static_cast<std::size_t>(noms.size()));
    for (QString& nom : noms) {
        cles.emplace_back(nom.toLower(), std::move(nom));
    }
    std::sort(cles.begin(), cles.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 0; i < cles.size(); ++i) {
        noms[static_cast<qsizetype>(i)] = std::move(cles[i].second);
    }
}

// The entry's kind, links followed; the directory's own word is trusted, so only links and
// file systems that do not tell cost a stat.
unsigned char sorte(DIR* dossier, const dirent& entree)
{
    if (entree.d_type != DT_LNK && entree.d_type != DT_UNKNOWN) {
        return entree.d_type;
    }
    struct stat etat {};
    if (fstatat(dirfd(dossier), entree.d_name, &etat, 0) != 0) {
        return DT_UNKNOWN; // a dangling link
    }
    return S_ISDIR(etat.st_mode) ? DT_DIR : S_ISREG(etat.st_mode) ? DT_REG : DT_UNKNOWN;
}

// One pass over the directory: its subdirectories but the hidden ones, and its regular files
// that the file list's mask accepts, a leading dot included.
Contenu lire(const QString& chemin, const TFileListBox* fichiers)
{
    Contenu contenu;
    DIR* dossier = opendir(QFile::encodeName(chemin).constData());
    if (dossier == nullptr) {
        return contenu;
    }
    while (const dirent* entree = readdir(dossier)) {
        const unsigned char type = sorte(dossier, *entree);
        if (type == DT_DIR && entree->d_name[0] != '.') {
            contenu.dossiers << QFile::decodeName(entree->d_name);
        } else if (type == DT_REG && fichiers != nullptr) {
            QString nom = QFile::decodeName(entree->d_name);
            if (fichiers->Matches(nom)) {
                contenu.fichiers << std::move(nom);
            }
        }
    }
    closedir(dossier);
    trier(contenu.dossiers);
    trier(contenu.fichiers);
    return contenu;
}

} // namespace

TDirectoryListBox::TDirectoryListBox(QWidget* parent)
    : QListWidget(parent), dossier_(QDir::currentPath())
{
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemActivated, this, [this](QListWidgetItem* element) {
        setDirectory(element->data(Qt::UserRole).toString());
    });
}

void TDirectoryListBox::setItemHeight(int hauteur)
{
    hauteurElement_ = hauteur;
    for (int i = 0; i < count(); ++i) {
        item(i)->setSizeHint(QSize(0, hauteur));
    }
}

void TDirectoryListBox::setFileList(TFileListBox* fichiers)
{
    fichiers_ = fichiers;
    setDirectory(dossier_);
}

void TDirectoryListBox::setDirectory(const QString& dossier)
{
    dossier_ = QDir(dossier).absolutePath();
    const Contenu contenu = lire(dossier_, fichiers_);
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
    for (const QString& nom : contenu.dossiers) {
        ajouter(nom, QDir(dossier_).filePath(nom), static_cast<int>(ancetres.size()));
    }
    scrollToItem(currentItem());
    if (fichiers_ != nullptr) {
        fichiers_->setFiles(dossier_, contenu.fichiers);
    }
}

void TDirectoryListBox::ajouter(const QString& nom, const QString& chemin, int retrait)
{
    auto* element = new QListWidgetItem(QString(retrait * 2, u' ') + nom, this);
    element->setData(Qt::UserRole, chemin);
    element->setSizeHint(QSize(0, hauteurElement_));
}
