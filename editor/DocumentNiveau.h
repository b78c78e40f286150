#ifndef OMBRELIN_DOCUMENTNIVEAU_H
#define OMBRELIN_DOCUMENTNIVEAU_H

#include "niveau.h"

#include <QImage>
#include <QObject>
#include <QUndoStack>

#include <vector>

// The level of the run and its history. Every change is one undoable step named in French; the
// views follow the signal Change, never the steps themselves.
class DocumentNiveau : public QObject {
    Q_OBJECT

public:
    // The level record and, for each of its enemies, the icon it was placed with (null for an
    // enemy read from a file, or whose type changed since).
    struct Etat {
        s_niveau niveau;
        std::vector<QImage> icones;
    };

    // niveau is the record the document keeps up to date for the whole run.
    explicit DocumentNiveau(s_niveau& niveau, QObject* parent = nullptr);

    const s_niveau& niveau() const { return niveau_; }
    // Null when the enemy has no icon of its own.
    const QImage& icone(int indice) const { return icones_[static_cast<std::size_t>(indice)]; }
    QUndoStack& historique() { return historique_; }

    // The level-library operations of the same names, each one step when it changes the level.
    // The grid draws a placement itself; any other step shows T's enemies again.
    Placement placer(int colonne, int ligne, int tempsT, const std::string& nomFichier,
                     const QImage& icone);
    bool retirer(std::vector<int> indices);
    bool modifier(int indice, const Ennemi& ennemi);
    void renommer(const std::string& nom);
    // Adds ennemis at T as one step, the earliest at T and the others at their distance from it
    // (ajouterEnnemis); pasted, they have no icon of their own, duplicated, those of the enemies at
    // indices. False, and nothing changed, when the level would hold over NB_MAX_ENNEMIS.
    bool coller(const std::vector<Ennemi>& ennemis, int tempsT);
    bool dupliquer(std::vector<int> indices, int tempsT);
    void changerDuree(int duree);
    void changerProfondeur(int profondeur);
    // A level taken up from a file: no icon of its own, a new history.
    void remplacer(const s_niveau& niveau);

signals:
    // The level changed; redessiner when the grid must show T's enemies again.
    void Change(bool redessiner);

private:
    friend class ChangementNiveau;
    Etat etat() const { return {niveau_, icones_}; }
    // Makes apres the level as one step, unless it is the level already.
    void changer(const QString& texte, const Etat& apres, bool redessiner = true);
    void etablir(const Etat& etat, bool redessiner);
    bool ajouter(const QString& changement, const std::vector<Ennemi>& ennemis,
                 const std::vector<QImage>& icones, int tempsT);

    s_niveau& niveau_;
    std::vector<QImage> icones_;
    QUndoStack historique_;
};

#endif
