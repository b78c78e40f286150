#ifndef OMBRELIN_TFILELISTBOX_H
#define OMBRELIN_TFILELISTBOX_H

#include <QListWidget>

// The files of one directory that match a mask, by bare name. Listed at once, on the calling
// thread: the editor has no other.
class TFileListBox : public QListWidget {
    Q_OBJECT

public:
    explicit TFileListBox(QWidget* parent = nullptr);

    void setMask(const QString& masque);
    void setItemHeight(int hauteur);
    void setDirectory(const QString& dossier);
    // Full path of the selected file, empty when none is selected.
    QString FileName() const;

signals:
    void Change();

private:
    void lister();

    QString dossier_;
    QString masque_ = QStringLiteral("*");
    int hauteurElement_ = 13;
};

#endif
