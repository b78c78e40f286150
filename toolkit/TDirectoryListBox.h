#ifndef OMBRELIN_TDIRECTORYLISTBOX_H
#define OMBRELIN_TDIRECTORYLISTBOX_H

#include <QListWidget>

class TFileListBox;

// The current directory with its ancestors above it and its subdirectories below; activating an
// entry (double click, Enter) opens that directory and lists it in the bound file list. One
// reading of the directory fills both lists, so nothing is listed before the binding.
class TDirectoryListBox : public QListWidget {
    Q_OBJECT

public:
    explicit TDirectoryListBox(QWidget* parent = nullptr);

    void setItemHeight(int hauteur);
    void setFileList(TFileListBox* fichiers);
    QString Directory() const { return dossier_; }
    void setDirectory(const QString& dossier);

private:
    void ajouter(const QString& nom, const QString& chemin, int retrait);

    QString dossier_;
    TFileListBox* fichiers_ = nullptr;
    int hauteurElement_ = 16;
};

#endif
