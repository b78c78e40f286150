#include "DocumentNiveau.h"

#include "conversions.h"

#include <algorithm>

namespace {

QString cite(const std::string& type)
{
    // Undo's menu entry reads "&" as an access key.
    return QStringLiteral("« %1 »").arg(depuisAnsi(type).replace(u'&', QStringLiteral("&&")));
}

// "la suppression de « tank »", "la suppression de 3 ennemis".
QString designation(const QString& changement, std::size_t nombre, const std::string& type)
{
    return changement + (nombre == 1 ? cite(type) : QStringLiteral("%1 ennemis").arg(nombre));
}

} // namespace

// One step of the history: the level before and after it, which is all undo and redo need.
class ChangementNiveau : public QUndoCommand {
public:
    ChangementNiveau(DocumentNiveau& document, const QString& texte, DocumentNiveau::Etat apres,
                     bool redessiner)
        : QUndoCommand(texte), document_(document), avant_(document.etat()),
          apres_(std::move(apres)), redessiner_(redessiner)
    {
    }

    void redo() override
    {
        document_.etablir(apres_, redessiner_);
        redessiner_ = true; // whoever made the step showed it; redone, the grid shows it again
    }

    void undo() override { document_.etablir(avant_, true); }

private:
    DocumentNiveau& document_;
    const DocumentNiveau::Etat avant_;
    const DocumentNiveau::Etat apres_;
    bool redessiner_;
};

DocumentNiveau::DocumentNiveau(s_niveau& niveau, QObject* parent)
    : QObject(parent), niveau_(niveau)
{
}

Placement DocumentNiveau::placer(int colonne, int ligne, int tempsT,
                                 const std::string& nomFichier, const QImage& icone)
{
    Etat apres = etat();
    const Placement placement = placerEnnemi(apres.niveau, colonne, ligne, tempsT, nomFichier);
    if (placement == Placement::Place) {
        apres.icones.push_back(icone);
        const Ennemi& place = apres.niveau.ennemis[apres.niveau.nbEnnemis - 1];
        changer(QStringLiteral("le placement de ") + cite(place.type), apres, false);
    }
    return placement;
}

bool DocumentNiveau::retirer(std::vector<int> indices)
{
    Etat apres = etat();
    if (indices.empty() || !retirerEnnemis(apres.niveau, indices)) {
        return false;
    }
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    for (auto i = indices.rbegin(); i != indices.rend(); ++i) {
        apres.icones.erase(apres.icones.begin() + *i);
    }
    changer(designation(QStringLiteral("la suppression de "), indices.size(),
                        niveau_.ennemis[indices[0]].type),
            apres);
    return true;
}

bool DocumentNiveau::modifier(int indice, const Ennemi& ennemi)
{
    Etat apres = etat();
    if (!modifierEnnemi(apres.niveau, indice, ennemi)) {
        return false;
    }
    const std::string& type = niveau_.ennemis[indice].type;
    if (ennemi.type != type) {
        apres.icones[static_cast<std::size_t>(indice)] = QImage(); // the folder's, if any
    }
    changer(QStringLiteral("la modification de ") + cite(type), apres);
    return true;
}

void DocumentNiveau::renommer(const std::string& nom)
{
    Etat apres = etat();
    apres.niveau.nom = nom;
    changer(QStringLiteral("le changement de nom"), apres, false);
}

bool DocumentNiveau::coller(const std::vector<Ennemi>& ennemis, int tempsT)
{
    return ajouter(QStringLiteral("le collage de "), ennemis,
                   std::vector<QImage>(ennemis.size()), tempsT);
}

bool DocumentNiveau::dupliquer(std::vector<int> indices, int tempsT)
{
    std::sort(indices.begin(), indices.end()); // in the level's order, as a copy gives them
    std::vector<Ennemi> ennemis;
    std::vector<QImage> icones;
    for (const int i : indices) {
        ennemis.push_back(niveau_.ennemis[i]);
        icones.push_back(icones_[static_cast<std::size_t>(i)]);
    }
    return ajouter(QStringLiteral("la duplication de "), ennemis, icones, tempsT);
}

bool DocumentNiveau::ajouter(const QString& changement, const std::vector<Ennemi>& ennemis,
                             const std::vector<QImage>& icones, int tempsT)
{
    Etat apres = etat();
    if (!ajouterEnnemis(apres.niveau, ennemis, tempsT)) {
        return false;
    }
    if (!ennemis.empty()) {
        apres.icones.insert(apres.icones.end(), icones.begin(), icones.end());
        changer(designation(changement, ennemis.size(), ennemis[0].type), apres);
    }
    return true;
}

void DocumentNiveau::changerDuree(int duree)
{
    Etat apres = etat();
    apres.niveau.duree = duree;
    changer(QStringLiteral("le changement de durée"), apres, false);
}

void DocumentNiveau::changerProfondeur(int profondeur)
{
    Etat apres = etat();
    apres.niveau.profondeur = profondeur;
    changer(QStringLiteral("le changement de profondeur"), apres, false);
}

void DocumentNiveau::remplacer(const s_niveau& niveau)
{
    historique_.clear();
    etablir({niveau, {}}, true);
}

void DocumentNiveau::changer(const QString& texte, const Etat& apres, bool redessiner)
{
    if (apres.niveau == niveau_) {
        return; // not a step: nothing to undo
    }
    historique_.push(new ChangementNiveau(*this, texte, apres, redessiner));
}

void DocumentNiveau::etablir(const Etat& etat, bool redessiner)
{
    niveau_ = etat.niveau;
    icones_ = etat.icones;
    icones_.resize(static_cast<std::size_t>(niveau_.nbEnnemis)); // null for a level read
    emit Change(redessiner);
}
