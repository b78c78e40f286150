#ifndef OMBRELIN_TFILELISTBOX_H
#define OMBRELIN_TFILELISTBOX_H

#include <QListView>

class ListeNoms;

// The files of one directory that match a mask, by bare name, as the bound directory list reads
// them. A file is the user's choice only once selected: the row made current on focus is not.
class TFileListBox : public QListView {
    Q_OBJECT

public:
    explicit TFileListBox(QWidget* parent = nullptr);

    // Wildcards '*' and '?', case ignored; applies from the next listing.
    void setMask(const QString& masque) { masque_ = masque; }
    bool Matches(const QString& nom) const;
    void setItemHeight(int hauteur);
    // Shows noms, already filtered and sorted, as the files of dossier; nothing is selected.
    void setFiles(const QString& dossier, const QStringList& noms);
    // The folder listed, and the bare names shown, in order.
    const QString& Directory() const { return dossier_; }
    const QStringList& Items() const;
    // Bare name of the selected entry, empty when none is selected.
    QString SelectedName() const;
    // Full path of the selected file, empty when none is selected.
    QString FileName() const;

signals:
    // The selection changed, to an entry or to none.
    void Change();

private:
    ListeNoms* noms_;
    QString dossier_;
    QString masque_ = QStringLiteral("*");
};

#endif
