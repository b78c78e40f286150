#include "ModeleEnnemis.h"

#include "DocumentNiveau.h"
#include "conversions.h"
#include "fichier_niveau.h"
#include "lecture_niveau.h"

ModeleEnnemis::ModeleEnnemis(DocumentNiveau& document, QObject* parent)
    : QAbstractTableModel(parent), document_(document), lignes_(document.niveau().nbEnnemis)
{
    connect(&document_, &DocumentNiveau::Change, this, &ModeleEnnemis::suivre);
}

int ModeleEnnemis::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : lignes_;
}

int ModeleEnnemis::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : NB_COLONNES;
}

QVariant ModeleEnnemis::data(const QModelIndex& index, int role) const
{
    const Ennemi& ennemi = document_.niveau().ennemis[index.row()];
    if (role == RoleTri && index.column() != Type) {
        return QList<float>{float(index.row()), ennemi.temps, 0, ennemi.x, ennemi.y}
            .at(index.column());
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole && role != RoleTri) {
        return {};
    }
    // As the level file writes them: the time with two decimals, x and y whole.
    switch (index.column()) {
    case Numero:
        return QString::number(index.row());
    case Temps:
        return QString::fromStdString(deuxDecimales(ennemi.temps));
    case Type:
        return depuisAnsi(ennemi.type);
    default:
        return QString::number(static_cast<int>(index.column() == X ? ennemi.x : ennemi.y));
    }
}

QVariant ModeleEnnemis::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    return QStringList{QStringLiteral("N°"), QStringLiteral("Temps"), QStringLiteral("Type"),
                       QStringLiteral("X"), QStringLiteral("Y")}
        .value(section);
}

Qt::ItemFlags ModeleEnnemis::flags(const QModelIndex& index) const
{
    const Qt::ItemFlags base = QAbstractTableModel::flags(index);
    return index.column() == Numero ? base : base | Qt::ItemIsEditable;
}

bool ModeleEnnemis::setData(const QModelIndex& index, const QVariant& valeur, int role)
{
    if (role != Qt::EditRole || !index.isValid()) {
        return false;
    }
    const QString texte = valeur.toString();
    Ennemi ennemi = document_.niveau().ennemis[index.row()];
    std::optional<float> nombre;
    std::optional<std::string> type;
    switch (index.column()) {
    case Temps: // a French user types a decimal comma
        nombre = tempsSaisi(QString(texte).replace(u',', u'.').toStdString());
        ennemi.temps = nombre.value_or(ennemi.temps);
        break;
    case Type:
        type = versAnsi(texte);
        ennemi.type = type.value_or(std::string());
        break;
    default:
        nombre = positionSaisie(texte.toStdString());
        (index.column() == X ? ennemi.x : ennemi.y) = nombre.value_or(0);
    }
    if ((!nombre && !type) || !document_.modifier(index.row(), ennemi)) {
        emit Refus(index.column(), texte);
        return false;
    }
    return true;
}

// Rows come and go at the end, where the count changes; every row may read differently.
void ModeleEnnemis::suivre()
{
    const int nombre = document_.niveau().nbEnnemis;
    if (nombre > lignes_) {
        beginInsertRows({}, lignes_, nombre - 1);
        lignes_ = nombre;
        endInsertRows();
    } else if (nombre < lignes_) {
        beginRemoveRows({}, nombre, lignes_ - 1);
        lignes_ = nombre;
        endRemoveRows();
    }
    if (nombre > 0) {
        emit dataChanged(index(0, 0), index(nombre - 1, NB_COLONNES - 1));
    }
}
