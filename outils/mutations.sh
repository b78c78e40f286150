#!/usr/bin/env bash
# Measures what the test suite catches: applies, one at a time, a single-line fault (a mutant) to
# a copy of the sources, rebuilds, runs the suite and prints the mutants that no test noticed.
#
# Usage : outils/mutations.sh [FILTRE]
#   FILTRE  runs only the mutants whose "file : label" matches this extended regular expression
#           (e.g. "tempsT", "level/", "Ennemis|grille").
# The copy holds the files git tracks (git ls-files), as they are in the work tree the script is
# run from, uncommitted edits included. One plain build (RelWithDebInfo, no sanitizer, no
# benchmarks) is made once, then rebuilt incrementally: 10 to 30 s per mutant on two cores,
# depending on the load.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
. "$racine/outils/paquets.sh"

[ $# -le 1 ] || { echo "Usage : $0 [FILTRE]" >&2; exit 2; }
filtre=${1:-}

fichiers=()
cherches=()
remplacements=()
libelles=()
# One mutant: the file, a text that must occur exactly once in it, its replacement, a label.
# A text found zero or several times makes the mutant "inapplicable": a later edit of the code
# shows up here instead of passing silently.
mutant() {
    fichiers+=("$1")
    cherches+=("$2")
    remplacements+=("$3")
    libelles+=("$4")
}

# The level library
mutant level/niveau.cpp 'nbEnnemis >= NB_MAX_ENNEMIS' 'nbEnnemis > NB_MAX_ENNEMIS' \
    'niveau plein : >= devient >'
mutant level/niveau.cpp 'static_cast<float>(colonne - 5)' 'static_cast<float>(5 - colonne)' \
    'x : signe inversé'
mutant level/niveau.cpp 'static_cast<float>(5 - ligne)' 'static_cast<float>(ligne - 5)' \
    'y : signe inversé'
mutant level/niveau.cpp 'nomFichier.find(".ico")' 'nomFichier.find(".ICO")' \
    'type : ".ico" cherché en majuscules'
mutant level/niveau.cpp 'static_cast<int>(trouve) + 1' 'static_cast<int>(trouve)' \
    'type : limite sans le +1'
mutant level/niveau.cpp 'return Placement::NomInvalide;' 'return Placement::CopieImpossible;' \
    'placement : NomInvalide devient CopieImpossible'
mutant level/niveau.cpp 'static_cast<unsigned char>(c) < 0x20' \
    'static_cast<unsigned char>(c) <= 0x20' 'caractère de contrôle : l'"'"'espace refusé'
mutant level/copie_fichier_temp.cpp 'if (limite < 1) {' 'if (limite < 0) {' \
    'copie : limite 0 gardée'
mutant level/copie_fichier_temp.cpp 'limite = 255;' 'limite = 254;' 'copie : limite 254'
mutant level/copie_fichier_temp.cpp 'texte.size() + 1)' 'texte.size())' \
    'copie : tampon sans le zéro final'
# Equivalent: once locked, the file is checked again for a single name and refused as before.
mutant level/copie_fichier_temp.cpp ' && ouvert.st_nlink <= 1;' ';' \
    'copie : fichier temporaire à plusieurs noms accepté'
# Equivalent: what else opens read-write (a FIFO, a device) refuses the ftruncate that follows.
mutant level/copie_fichier_temp.cpp '&& S_ISREG(ouvert.st_mode) &&' '&&' \
    'copie : fichier temporaire non régulier accepté'
mutant level/copie_fichier_temp.cpp 'O_CREAT | O_NOFOLLOW |' 'O_CREAT |' \
    'copie : lien "ennemi.tmp" suivi'
mutant level/copie_fichier_temp.cpp 'std::remove(FICHIER_TEMP);' ';' \
    'copie : "ennemi.tmp" laissé en place'
mutant level/fichier_niveau.cpp 'std::chars_format::fixed, 2);' 'std::chars_format::fixed, 1);' \
    'fichier : une décimale au lieu de deux'
mutant level/fichier_niveau.cpp '"\r\n";' '"\n";' 'fichier : fin de ligne LF'
mutant level/fichier_niveau.cpp '? ".00" : ""' '? ".0" : ""' 'fichier : profondeur ".0"'
mutant level/fichier_niveau.cpp 'forme == FormeProfondeur::Decimale' \
    'forme == FormeProfondeur::Entiere' 'fichier : formes de profondeur inversées'
mutant level/fichier_niveau.cpp 'std::to_string(niveau.duree)' 'std::to_string(niveau.nbEnnemis)' \
    'fichier : nombre écrit à la place de la durée'
mutant level/fichier_niveau.cpp "deuxDecimales(ennemi.x) + '\\t' + deuxDecimales(ennemi.y)" \
    "deuxDecimales(ennemi.y) + '\\t' + deuxDecimales(ennemi.x)" 'fichier : x et y inversés'
mutant level/fichier_niveau.cpp 'niveau.duree) >= niveau.ennemis[i].temps' \
    'niveau.duree) > niveau.ennemis[i].temps' 'verifierTemps : temps égal à la durée signalé'
mutant level/fichier_niveau.cpp 'chemin.size() > LONGUEUR_MAX_CHEMIN' \
    'chemin.size() >= LONGUEUR_MAX_CHEMIN' 'chemin : 254 octets refusés'
mutant level/fichier_niveau.cpp 'W_OK, AT_EACCESS' 'R_OK, AT_EACCESS' \
    'remplacement : droit d'"'"'écriture non vérifié (0444)'
mutant level/fichier_niveau.cpp 'ecrit = ::fchmod(fd, etat.st_mode & 0777) == 0;' 'ecrit = true;' \
    'remplacement : droits de la cible perdus (fchmod)'
# Left untested: only a power cut between the write and the rename shows a missing flush.
mutant level/fichier_niveau.cpp 'return ecrireTout(fd, contenu) && ::fsync(fd) == 0;' \
    'return ecrireTout(fd, contenu);' \
    'écriture : fsync retiré'
mutant level/fichier_niveau.cpp 'cible = fs::canonical(cible, erreur);' ';' \
    'remplacement : le lien remplacé au lieu de sa cible'
mutant level/fichier_niveau.cpp 'if (*nomFichier != chemin) {' 'if (false) {' \
    'chemin : coupé par un zéro accepté'
mutant level/niveau.cpp 'return a.nom == b.nom &&' 'return' 'égalité : le nom oublié'
mutant level/niveau.cpp 'niveau.ennemis[garde++] = niveau.ennemis[i];' '++garde;' \
    'retirerEnnemis : les suivants ne remontent pas'
mutant level/niveau.cpp 'if (i < 0 || i >= niveau.nbEnnemis) {' 'if (i < 0) {' \
    'retirerEnnemis : indice hors du niveau accepté'
mutant level/niveau.cpp 'ennemi.temps < 0 ||' 'ennemi.temps < -1 ||' \
    'modifierEnnemi : temps négatif accepté'
mutant level/niveau.cpp 'std::abs(v) <= 5;' 'std::abs(v) <= 6;' 'modifierEnnemi : x 6 accepté'
mutant level/niveau.cpp 'ennemi.type.empty() ||' '' 'modifierEnnemi : type vide accepté'
mutant level/lecture_niveau.cpp 'texte.size() - point > 3' 'texte.size() - point > 4' \
    'tempsSaisi : trois décimales acceptées'
mutant level/lecture_niveau.cpp 'point == 0 ||' '' 'tempsSaisi : ".5" accepté'
mutant level/lecture_niveau.cpp '*valeur < -5 || *valeur > 5' '*valeur < -5 || *valeur > 6' \
    'positionSaisie : 6 accepté'
mutant level/lecture_niveau.cpp 'if (lus > TAILLE_MAX_NIVEAU) {' 'if (lus > TAILLE_MAX_NIVEAU + 1) {' \
    'lecture : plus de 64 Kio acceptés'
mutant level/lecture_niveau.cpp 'octets.resize(lus);' ';' 'lecture : zéros après le texte lu'
mutant level/lecture_niveau.cpp "ligne.back() == '\\r'" 'false' 'lecture : CR gardé en fin de ligne'
mutant level/lecture_niveau.cpp 'DUREE_MIN = -99;' 'DUREE_MIN = -100;' 'lecture : durée -100 acceptée'
mutant level/lecture_niveau.cpp '*nombre > NB_MAX_ENNEMIS' '*nombre > NB_MAX_ENNEMIS + 1' \
    'lecture : 101 ennemis annoncés acceptés'
mutant level/lecture_niveau.cpp '|| std::to_string(valeur) != texte' '' \
    'lecture : entiers non canoniques acceptés'
mutant level/lecture_niveau.cpp '    if (!lignes.finies()) {' '    if (false) {' \
    'lecture : lignes après le dernier ennemi acceptées'
mutant level/lecture_niveau.cpp 'entier((*champ)[0]) != i' '!entier((*champ)[0])' \
    'lecture : indice quelconque accepté'
mutant level/lecture_niveau.cpp '*temps < 0' '*temps < -1' 'lecture : temps -1 accepté'
mutant level/lecture_niveau.cpp '*valeur != std::trunc(*valeur) || ' '' \
    'lecture : position fractionnaire acceptée'
mutant level/niveau.cpp '"\x81\x8D\x8F\x90\x9D"' '"\x8D\x8F\x90\x9D"' \
    'texte du jeu : octet 0x81 accepté'
mutant level/lecture_niveau.cpp 'entiere.remove_suffix(3);' ';' 'lecture : forme décimale refusée'
mutant level/lecture_niveau.cpp '(*champ)[5] != profondeur' 'false' \
    'lecture : profondeurs mêlées acceptées'

# The main window's handlers
mutant editor/Unit1.cpp 'niveau.duree = 100;' 'niveau.duree = 10;' 'FormCreate : durée 10'
mutant editor/Unit1.cpp 'niveau.profondeur = PROFONDEUR_INITIALE;' 'niveau.profondeur = 100;' \
    'FormCreate : profondeur 100'
mutant editor/Unit1.cpp 'void TForm1::Quitter1Click() { close(); }' \
    'void TForm1::Quitter1Click() {}' 'Quitter1Click : ne ferme rien'
mutant editor/Unit1.cpp 'boites_.ShowModal(*Faide);' ';' 'Aide1Click : aide non montrée'
mutant editor/Unit1.cpp 'ui->Icone->setPixmap(QPixmap::fromImage(chargerIcone(chemin)));' \
    'chargerIcone(chemin);' 'fichiersChange : aperçu inchangé'
mutant editor/Unit1.cpp "\"Trop d'ennemis tue l'ennemi !\"" "\"Trop d'ennemis tue l'ennemi.\"" \
    'GrilleMouseUp : texte du niveau plein'
mutant editor/Unit1.cpp 'TAILLE_CELLULE + ui->Grille->GridLineWidth();' 'TAILLE_CELLULE;' \
    'dessiner : pas sans le trait'
mutant editor/Unit1.cpp '(5 - static_cast<int>(ennemi.y)) * pas' \
    '(5 + static_cast<int>(ennemi.y)) * pas' 'dessiner : y vers le bas'
mutant editor/Unit1.cpp 'document.placer(colonne, ligne,' 'document.placer(ligne, colonne,' \
    'GrilleMouseUp : placement Col/Row inversés'
mutant editor/Unit1.cpp 'if (placement == Placement::CopieImpossible) {' \
    'if (placement == Placement::NiveauPlein) {' 'GrilleMouseUp : copie impossible ignorée'
mutant editor/Unit1.cpp 'enregistrer(FormeProfondeur::Entiere);' \
    'enregistrer(FormeProfondeur::Decimale);' 'Enregistrer1Click : forme décimale'
mutant editor/Unit1.cpp 'SaveDialog1.FileName.contains(QStringLiteral(".txt"))' \
    'SaveDialog1.FileName.endsWith(QStringLiteral(".txt"))' \
    'Enregistrerleniveausous2Click : ".txt" cherché en fin seulement'
mutant editor/Unit1.cpp 'SaveDialog1.FileName = cheminPrecedent;' ';' \
    'Enregistrerleniveausous2Click : chemin refusé gardé'
mutant editor/Unit1.cpp '"Niveau enregistré avec succés sous : \n"' \
    '"Niveau enregistré avec succès sous : \n"' 'Enregistrerleniveausous2Click : texte du succès'
mutant editor/Unit1.cpp 'surface.setBrushColor(ROUGE);' ';' 'background1Click : pinceau non rouge'
mutant editor/Unit1.cpp 'OuvrirBMP.FileName = fondPrecedent;' ';' \
    'background1Click : fond illisible retenu'
mutant editor/Unit1.cpp 'surface.FloodFill(1, 1, ROUGE);' ';' 'effacementClick : pas de remplissage'
mutant editor/Unit1.cpp 'ui->DureeMission->setText(IntToStr(dureeAvantSaisie));' ';' \
    'DureeMissionExit : champ vidé non rétabli'
mutant editor/Unit1.cpp 'ui->tempsT->setMaxValue(niveau.duree);' ';' \
    'DocumentChange : borne de T inchangée'
mutant editor/Unit1.cpp 'ui->DureeMission->setText(IntToStr(niveau.duree));' ';' \
    'DocumentChange : durée annulée non affichée'
mutant editor/Unit1.cpp 'ui->NomNiveau->setText(depuisAnsi(niveau.nom));' ';' \
    'DocumentChange : nom annulé non affiché'
mutant editor/Unit1.cpp $'    if (redessiner) {\n        afficherT();' $'    if (false) {\n        afficherT();' \
    'DocumentChange : T non remontré après annuler'
mutant editor/Unit1.cpp 'if (std::floor(ennemi.temps) == ui->tempsT->Value()) {' \
    'if (std::round(ennemi.temps) == ui->tempsT->Value()) {' 'afficherT : temps arrondi'
mutant editor/Unit1.cpp 'propre.isNull() ?' 'true ?' 'afficherT : icône du placement oubliée'
mutant editor/Unit1.cpp 'seconde <= ui->tempsT->MaxValue() &&' '' \
    'ListeEnnemisEnnemiChoisi : T au-delà de la durée'
mutant editor/Unit1.cpp 'ui->Grille->Encadrer(static_cast<int>(ennemi.x) + 5,' \
    'ui->Grille->Encadrer(static_cast<int>(ennemi.x) + 4,' 'ListeEnnemisEnnemiChoisi : cadre décalé'
mutant editor/Unit1.cpp 'document.retirer({niveau.nbEnnemis - 1});' \
    'document.retirer({niveau.nbEnnemis - 2});' 'Retirer : l'"'"'avant-dernier retiré'
mutant editor/Unit1.cpp '{ tempsAvantSaisie = ui->tempsT->Value(); }' '{}' \
    'tempsTEnter : T à l'"'"'entrée oublié'
mutant editor/Unit1.cpp 'if (ui->tempsT->Value() != tempsAffiche) {' \
    'if (ui->tempsT->Value() != tempsAvantSaisie) {' 'tempsTChange : comparé à T à l'"'"'entrée'
mutant editor/Unit1.cpp 'tempsAffiche = ui->tempsT->Value();' ';' 'afficherT : seconde montrée oubliée'
mutant editor/Unit1.cpp 'ui->tempsT->Value() < 0 ||' 'ui->tempsT->Value() < -1 ||' \
    'tempsTExit : -1 accepté'
mutant editor/Unit1.cpp 'ui->tempsT->Value() < 0 ||' 'ui->tempsT->Value() <= 0 ||' \
    'tempsTExit : 0 refusé'
mutant editor/Unit1.cpp '|| ui->tempsT->Value() > ui->tempsT->MaxValue()' \
    '|| ui->tempsT->Value() >= ui->tempsT->MaxValue()' 'tempsTExit : T égal à la durée refusé'
mutant editor/Unit1.cpp 'document.renommer(*nomAnsi);' ';' 'NomNiveauClick : nom du niveau inchangé'
mutant editor/Unit1.cpp '|| contientCaractereDeControle(*nomAnsi)' '' \
    'NomNiveauClick : nom à tabulation accepté'
mutant editor/Unit1.cpp 'IntToStr(niveau.profondeur))));' 'QString())));' \
    'changerlaprofondeur1Click : valeur proposée vide'
mutant editor/Unit1.cpp '        DureeMissionExit();' ';' \
    'appliquerSaisieEnCours : durée en cours ignorée'
mutant editor/Unit1.cpp '        tempsTExit();' ';' 'appliquerSaisieEnCours : T en cours ignoré'
mutant editor/Unit1.cpp 'if (confirmerAbandon() && OpenDialog1.Execute()) {' \
    'if (OpenDialog1.Execute()) {' 'Ouvrirunniveau1Click : rien demandé'
mutant editor/Unit1.cpp 'SaveDialog1.FileName = chemin;' ';' 'ouvrir : chemin du niveau oublié'
mutant editor/Unit1.cpp 'niveauEnregistre = std::get<s_niveau>(lu);' ';' \
    'ouvrir : niveau ouvert compté modifié'
mutant editor/Unit1.cpp $'appliquerSaisieEnCours();\n    if (niveau == niveauEnregistre) {' \
    $'appliquerSaisieEnCours();\n    if (true) {' 'confirmerAbandon : jamais de question'
mutant editor/Unit1.cpp '        return niveau == niveauEnregistre;' '        return true;' \
    'confirmerAbandon : Enregistrer sans rien écrire abandonne'
mutant editor/Unit1.cpp '    case QMessageBox::Discard:' '    case QMessageBox::Cancel:' \
    'confirmerAbandon : Ne pas enregistrer garde'
mutant editor/Unit1.cpp 'evenement->setAccepted(fermer);' 'evenement->setAccepted(true);' \
    'closeEvent : fermeture toujours acceptée'
mutant editor/Unit1.cpp '        niveauEnregistre = niveau;' ';' 'enregistrer : niveau écrit non retenu'
mutant editor/Unit1.cpp 'setEnabled(niveau.nbEnnemis > 0);' 'setEnabled(true);' \
    'afficherCompteur : Retirer jamais grisé'

# The level's history, its list and the icons it shows
mutant editor/DocumentNiveau.cpp '        redessiner_ = true;' ';' 'historique : rétabli sans redessiner'
mutant editor/DocumentNiveau.cpp 'document_.etablir(avant_, true);' 'document_.etablir(avant_, false);' \
    'historique : annulé sans redessiner'
mutant editor/DocumentNiveau.cpp 'if (apres.niveau == niveau_) {' 'if (false) {' \
    'historique : une étape qui ne change rien'
mutant editor/DocumentNiveau.cpp 'historique_.clear();' ';' 'historique : gardé à l'"'"'ouverture'
mutant editor/DocumentNiveau.cpp 'apres.icones.erase(apres.icones.begin() + *i);' ';' \
    'historique : icônes des supprimés gardées'
mutant editor/DocumentNiveau.cpp 'apres.icones[static_cast<std::size_t>(indice)] = QImage();' ';' \
    'historique : icône gardée au changement de type'
mutant editor/DocumentNiveau.cpp '(nombre == 1 ? cite(type)' '(nombre == 0 ? cite(type)' \
    'historique : texte de suppression au pluriel'
mutant editor/ModeleEnnemis.cpp "replace(u',', u'.')" "replace(u';', u'.')" \
    'liste : virgule décimale refusée'
mutant editor/ModeleEnnemis.cpp 'index.column() == Numero ? base' 'false ? base' \
    'liste : N° modifiable'
mutant editor/ModeleEnnemis.cpp 'if (role == RoleTri && index.column() != Type) {' 'if (false) {' \
    'liste : tri sur le texte'
mutant editor/ModeleEnnemis.cpp $'        emit dataChanged(index(0, 0),' $'        if (false) emit dataChanged(index(0, 0),' \
    'liste : lignes modifiées non relues'
mutant editor/ModeleEnnemis.cpp 'beginRemoveRows({}, nombre, lignes_ - 1);' \
    'beginRemoveRows({}, 0, lignes_ - nombre - 1);' 'liste : lignes retirées au début'
mutant editor/ListeEnnemis.cpp 'indices.push_back(tri_.mapToSource(ligne).row());' \
    'indices.push_back(ligne.row());' 'liste : sélection lue dans l'"'"'ordre de la vue'
mutant editor/ListeEnnemis.cpp '        table_->selectRow(0);' ';' 'liste : aucune ligne choisie à l'"'"'ouverture'
mutant editor/ListeEnnemis.cpp 'table_->setFocus();' ';' 'liste : focus hors de la table'
mutant editor/IconesEnnemis.cpp 'fin < 0 ? nom : nom.left(fin)' 'nom' 'icônes : type avec ".ico"'
mutant editor/IconesEnnemis.cpp 'lue.isNull() ? marqueur(nomType) : lue' 'lue' \
    'icônes : pas de marqueur'
mutant editor/ListeEnnemis.cpp 'inverser ? Qt::DescendingOrder : Qt::AscendingOrder' \
    'Qt::AscendingOrder' 'liste : Ctrl+T ne retourne pas le tri'
mutant editor/demarrage.cpp 'return tousCorrects ? 0 : 1;' 'return 0;' '--verifier : toujours 0'
mutant editor/demarrage.cpp 'if (ligne.verifier && ligne.fichiers.isEmpty()) {' 'if (false) {' \
    '--verifier sans fichier accepté'
mutant editor/demarrage.cpp "if (argv[i][0] == '-' && argv[i][1] != '\\0') {" 'if (false) {' \
    'ligne de commande : une fenêtre même pour --verifier'
mutant editor/main.cpp 'Form1.demarrer(ligne->fichiers.value(0));' ';' \
    'démarrage : ni copie proposée ni FICHIER ouvert'

# The recovery copies: the private folder, this editor's copy, the offer at start-up
mutant level/dossier_prive.cpp '((etat.st_mode & 0777) == 0700 || ::fchmod(fd, 0700) == 0)' 'true' \
    'dossier privé : droits laissés ouverts'
mutant level/dossier_prive.cpp 'O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC' \
    'O_RDONLY | O_DIRECTORY | O_CLOEXEC' 'dossier privé : lien suivi'
# Left untested: only root may open and narrow another user's folder, and the level tests run as
# nobody, for whom the chmod that follows fails all the same.
mutant level/dossier_prive.cpp 'etat.st_uid == ::geteuid() &&' '' \
    'dossier privé : dossier d'"'"'un autre accepté'
mutant level/dossier_prive.cpp 'c_str(), 0700) != 0 && errno != EEXIST' \
    'c_str(), 0755) != 0 && errno != EEXIST' 'dossier privé : parents créés ouverts'
mutant level/dossier_prive.cpp 'if (fd < 0 && errno == ENOENT) {' 'if (false) {' \
    'dossier privé : jamais créé'
mutant level/dossier_prive.cpp 'O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);' \
    'O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);' 'écriture privée : fichier lisible de tous'
mutant level/dossier_prive.cpp '::renameat(fdDossier, temporaire.c_str(), fdDossier, nom.c_str()) == 0' \
    'true' 'écriture privée : jamais renommé'
mutant level/dossier_prive.cpp 'if (n < 0 || lus > taille) {' 'if (n < 0) {' \
    'lecture privée : fichier trop grand lu'
mutant level/dossier_prive.cpp 'S_ISREG(etat.st_mode) : errno == ENOENT' 'true : errno == ENOENT' \
    'absentOuOrdinaire : tube ou lien accepté'
mutant level/dossier_prive.cpp '== 0 || errno == ENOENT;' '== 0;' \
    'suppression privée : fichier absent compté comme échec'
mutant level/dossier_prive.cpp "nom[0] != '.' &&" '' 'liste privée : fichiers cachés listés'
mutant level/dossier_prive.cpp $'== 0 &&\n            S_ISREG(etat.st_mode)) {' '== 0) {' \
    'liste privée : liens et tubes listés'
mutant level/dossier_prive.cpp 'return a.modifie > b.modifie;' 'return a.modifie < b.modifie;' \
    'liste privée : la plus ancienne d'"'"'abord'
# Left untested: only a power cut within a second of a change shows a missing flush.
mutant level/dossier_prive.cpp '            ::fsync(fd);' ';' 'synchronisation : fichier non écrit sur disque'
mutant editor/CopieSecours.cpp 'verrou_.isLocked() ||' '' 'copie : verrou repris à chaque écriture'
mutant editor/CopieSecours.cpp '(preparerDossierPrive(dossier) && verrou_.tryLock(0))' \
    'verrou_.tryLock(0)' 'copie : dossier jamais créé'
mutant editor/CopieSecours.cpp 'natif(QFileInfo(chemin).absoluteFilePath())' 'natif(chemin)' \
    'copie : chemin relatif gardé'
mutant editor/CopieSecours.cpp '            cheminEcrit_ = chemin;' ';' 'copie : jamais retenue comme écrite'
mutant editor/CopieSecours.cpp 'echecDit_ = true;' ';' 'copie : échec dit à chaque écriture'
mutant editor/CopieSecours.cpp 'supprimerPrive(natif(dossier), natif(id + secours::NIVEAU));' ';' \
    'supprimerCopie : niveau laissé'
mutant editor/CopieSecours.cpp "verrou_(dossier_ + '/' + id_ + secours::VERROU)" \
    "verrou_(dossier_ + '/' + id_ + QStringLiteral(\".verrou\"))" 'copie : verrou sous un autre nom'
# Left untested: as the flush above.
mutant editor/CopieSecours.cpp '        synchronisation_.start();' ';' 'copie : jamais synchronisée'
mutant editor/reprise.cpp 'if (!absentOuOrdinaire(dossierNatif,' 'if (false && !absentOuOrdinaire(dossierNatif,' \
    'reprise : verrou en tube lu'
mutant editor/reprise.cpp 'if (!verrou.tryLock(0)) {' 'if (false) {' \
    'reprise : copie d'"'"'un éditeur qui tourne proposée'
mutant editor/reprise.cpp 'QStringLiteral("&Plus tard")}, 1);' 'QStringLiteral("&Plus tard")}, 0);' \
    'reprise : copie endommagée supprimée par Entrée'
mutant editor/reprise.cpp 'if (choix == 0) {' 'if (false) {' 'reprise : copie endommagée jamais supprimée'
mutant editor/reprise.cpp 'reprendre(copie, fichierNiveau);' ';' 'reprise : Reprendre sans effet'
mutant editor/reprise.cpp 'return true; // one level at a time' 'break; // one level at a time' \
    'reprise : FICHIER ouvert après Reprendre'
mutant editor/reprise.cpp $'case 1:\n            supprimerCopie(dossier, id);' 'case 1:' \
    'reprise : Supprimer garde la copie'
mutant editor/reprise.cpp 'jour == 1 ?' 'jour == 0 ?' 'reprise : « 1er » oublié'
mutant editor/reprise.cpp 'QStringLiteral("MMMM yyyy")' 'QStringLiteral("MMM yyyy")' \
    'reprise : mois abrégé'
mutant editor/reprise.cpp 'nanosecondes / 1000000' 'nanosecondes / 1000' 'reprise : date fausse'
mutant editor/reprise.cpp 'copie.nbEnnemis > 1 ?' 'copie.nbEnnemis >= 1 ?' 'reprise : « 1 ennemis »'
mutant editor/reprise.cpp 'fichierNiveau.isEmpty()' 'true' 'reprise : fichier jamais nommé'
mutant editor/Unit1.cpp $'if (niveau == niveauEnregistre) {\n        copieSecours.supprimer();' \
    $'if (false) {\n        copieSecours.supprimer();' 'niveauChange : copie jamais supprimée'
mutant editor/Unit1.cpp 'copieSecours.ecrire(niveau, SaveDialog1.FileName);' ';' \
    'niveauChange : copie jamais écrite'
mutant editor/Unit1.cpp $'copieSecours.supprimer();\n        return true;' 'return true;' \
    'confirmerAbandon : Ne pas tenir compte garde la copie'
mutant editor/Unit1.cpp $'afficherCompteur();\n    niveauChange();\n}' $'afficherCompteur();\n}' \
    'GrilleMouseUp : placement sans copie'
mutant editor/Unit1.cpp $'niveauChange();\n    // Only an icon' '// Only an icon' \
    'Retirer : retrait sans copie'
mutant editor/Unit1.cpp $'niveauEnregistre = niveau;\n        niveauChange();' \
    'niveauEnregistre = niveau;' 'enregistrer : copie gardée'
mutant editor/Unit1.cpp 'if (niveau.duree != dureePrecedente) {' 'if (false) {' \
    'DureeMissionExit : durée sans copie'
mutant editor/Unit1.cpp $'setText(nom);\n    niveauChange();' 'setText(nom);' \
    'NomNiveauClick : nom sans copie'
mutant editor/Unit1.cpp $'IntToStr(niveau.profondeur)));\n    niveauChange();' \
    'IntToStr(niveau.profondeur)));' 'changerlaprofondeur1Click : profondeur sans copie'
mutant editor/Unit1.cpp 'niveauEnregistre = *fichier;' ';' \
    'reprendre : le fichier n'"'"'est pas la référence'
mutant editor/Unit1.cpp $'afficherNiveau(copie, chemin);\n    niveauChange();' \
    'afficherNiveau(copie, chemin);' 'reprendre : copie reprise non réécrite'
mutant editor/Unit1.cpp '!proposerCopies(boites_, enReprendre) &&' \
    '(proposerCopies(boites_, enReprendre) || true) &&' 'demarrer : FICHIER ouvert après Reprendre'
mutant toolkit/Boites.cpp 'boite->setDefaultButton(static_cast<QPushButton*>(choix[parDefaut]));' ';' \
    'Choix : pas de bouton par défaut'
mutant toolkit/Boites.cpp 'boite->setEscapeButton(choix.last());' ';' 'Choix : Échap sans effet'

# The recent levels
mutant editor/NiveauxRecents.cpp 'chemins.prepend(absolu);' 'chemins.append(absolu);' \
    'récents : le dernier en queue'
mutant editor/NiveauxRecents.cpp 'chemins.removeAll(absolu);' ';' 'récents : doublon gardé'
mutant editor/NiveauxRecents.cpp 'ecrire(chemins.mid(0, NOMBRE_MAX));' 'ecrire(chemins);' \
    'récents : neuf gardés'
mutant editor/NiveauxRecents.cpp 'const QString absolu = QFileInfo(chemin).absoluteFilePath();' \
    'const QString absolu = chemin;' 'récents : chemin relatif gardé'
mutant editor/NiveauxRecents.cpp 'void NiveauxRecents::vider() { ecrire({}); }' \
    'void NiveauxRecents::vider() {}' 'récents : Vider sans effet'
mutant editor/NiveauxRecents.cpp 'setEnabled(!chemins_.isEmpty());' 'setEnabled(true);' \
    'récents : jamais grisé'
mutant editor/NiveauxRecents.cpp 'setVisible(i < chemins_.size());' 'setVisible(true);' \
    'récents : entrées vides montrées'
mutant editor/NiveauxRecents.cpp '.arg(fichier.path().toHtmlEscaped())' '.arg(fichier.path())' \
    'récents : dossier lu comme balises'
mutant editor/NiveauxRecents.cpp ".replace(u'&', QStringLiteral(\"&&\"))" '' \
    'récents : & pris pour un raccourci'
mutant editor/NiveauxRecents.cpp ".replace(u'\\t', u' ')" '' \
    'récents : tabulation prise pour la colonne des raccourcis'
mutant editor/NiveauxRecents.cpp 'menu.setToolTipsVisible(true);' ';' 'récents : dossiers cachés'
mutant editor/NiveauxRecents.cpp 'chemins_.value(i);' 'chemins_.value(0);' \
    'récents : toujours le premier ouvert'
mutant editor/Unit1.cpp 'if (confirmerAbandon()) {' 'if (true) {' \
    'récents : modifications perdues sans question'
mutant editor/Unit1.cpp 'niveauxRecents->retirer(chemin);' ';' 'récents : refusé gardé'
mutant editor/Unit1.cpp $'        niveauxRecents->ajouter(chemin);\n        return true;' \
    '        return true;' 'récents : niveau écrit non ajouté'
mutant editor/Unit1.cpp $'    niveauxRecents->ajouter(chemin);\n}' '}' 'récents : niveau ouvert non ajouté'
# Left untested: only another editor, changing the list while this one runs, shows it again when
# the "Fichier" menu opens.
mutant editor/NiveauxRecents.cpp \
    'connect(parent, &QMenu::aboutToShow, this, &NiveauxRecents::afficher);' ';' \
    'récents : liste relue au démarrage seulement'

# The grid and its canvas
mutant toolkit/TDrawGrid.cpp 'allerA(surSurface.x() / PAS,' 'allerA(surSurface.x() / TAILLE_CELLULE,' \
    'grille : colonne sans le trait'
mutant toolkit/TDrawGrid.cpp 'surSurface.y() / PAS);' 'surSurface.x() / PAS);' \
    'grille : ligne tirée de x'
mutant toolkit/TDrawGrid.cpp 'allerA(colonne_ + 1, ligne_);' 'allerA(colonne_, ligne_ + 1);' \
    'grille : flèche droite vers le bas'
mutant toolkit/TDrawGrid.cpp $'    case Qt::Key_Space:\n' '' 'grille : Espace ne place pas'
mutant toolkit/TDrawGrid.cpp 'std::clamp(colonne, 0, NB_CELLULES - 1);' 'colonne;' \
    'grille : flèche hors de la grille'
mutant toolkit/TDrawGrid.cpp 'position - contentsRect().topLeft();' 'position;' \
    'grille : bordure oubliée dans la sélection'
mutant toolkit/TDrawGrid.cpp 'i * PAS + TAILLE_CELLULE;' 'i * PAS + TAILLE_CELLULE - 1;' \
    'grille : traits décalés d'"'"'un pixel'
mutant toolkit/TCanvas.cpp 'while (gauche > 0 &&' 'while (gauche > 1 &&' \
    'remplissage : colonne 0 oubliée'
mutant toolkit/TCanvas.cpp 'while (droite + 1 < largeur &&' 'while (droite + 2 < largeur &&' \
    'remplissage : dernière colonne oubliée'
mutant toolkit/TCanvas.cpp '{py - 1, py + 1}' '{py + 1}' 'remplissage : voisines du haut oubliées'
mutant toolkit/TCanvas.cpp '!= (bordure & RGB_MASK)' '!= (pinceau_ & RGB_MASK)' \
    'remplissage : bordure prise au pinceau'

# What assistive technology reads: the grid as a table of cells, the names, the name label's keys
mutant toolkit/TDrawGridAccessible.cpp 'QAccessibleWidget(grille, QAccessible::Table)' \
    'QAccessibleWidget(grille, QAccessible::Client)' 'accès : grille sans rôle de tableau'
mutant toolkit/TDrawGridAccessible.cpp 'int childCount() const override { return N * N; }' \
    'int childCount() const override { return 0; }' 'accès : grille sans cases'
mutant toolkit/TDrawGridAccessible.cpp 'type == QAccessible::TableInterface ?' \
    'type == QAccessible::TableCellInterface ?' 'accès : grille sans interface de tableau'
mutant toolkit/TDrawGridAccessible.cpp 'cellAt(index / N, index % N)' 'cellAt(index % N, index / N)' \
    'accès : enfant pris colonne par colonne'
mutant toolkit/TDrawGridAccessible.cpp 'int rowIndex() const override { return index_ / N; }' \
    'int rowIndex() const override { return index_ % N; }' 'accès : ligne de la case fausse'
mutant toolkit/TDrawGridAccessible.cpp 'QString::number(columnIndex() - N / 2)' \
    'QString::number(N / 2 - columnIndex())' 'accès : x de signe inversé'
mutant toolkit/TDrawGridAccessible.cpp 'QString::number(N / 2 - rowIndex())' \
    'QString::number(rowIndex() - N / 2)' 'accès : y de signe inversé'
mutant toolkit/TDrawGridAccessible.cpp 'QStringLiteral("vide")' 'QString()' 'accès : case vide muette'
mutant toolkit/TDrawGridAccessible.cpp 'types.join(QStringLiteral(", "))' 'types.last()' \
    'accès : seul le dernier type dit'
mutant toolkit/TDrawGridAccessible.cpp 'cellAt(grille->Row(), grille->Col())' \
    'cellAt(grille->Col(), grille->Row())' 'accès : case focalisée transposée'
mutant toolkit/TDrawGridAccessible.cpp 'index_ == grille_->Row() * N + grille_->Col()' 'true' \
    'accès : toutes les cases focalisées'
mutant toolkit/TDrawGrid.cpp 'return contenus_.at(ligne * NB_CELLULES + colonne);' \
    'return contenus_.at(colonne * NB_CELLULES + ligne);' 'accès : contenu lu transposé'
mutant toolkit/TDrawGrid.cpp 'if (!contenus_[i].isEmpty()) {' 'if (false) {' \
    'accès : contenus jamais vidés'
# Left untested: only a screen reader hears the focus move with the keys (checked over AT-SPI).
mutant toolkit/TDrawGrid.cpp $'    if (hasFocus()) {\n        annoncer' $'    if (false) {\n        annoncer' \
    'accès : déplacement de la case non annoncé'
mutant toolkit/TLabel.cpp 'setFocusPolicy(Qt::TabFocus);' 'setFocusPolicy(Qt::NoFocus);' \
    'accès : nom du niveau hors de la tabulation'
mutant toolkit/TLabel.cpp 'case Qt::Key_Space:' 'case Qt::Key_F35:' 'accès : Espace sur le nom sans effet'
mutant toolkit/TLabel.cpp 'case Qt::Key_Return:' 'case Qt::Key_F35:' \
    'accès : Entrée sur le nom sans effet'
mutant editor/Unit1.cpp $'    niveau.nom = *nomAnsi;\n    afficherNom(nom);' \
    $'    niveau.nom = *nomAnsi;\n    ui->NomNiveau->setText(nom);' 'accès : nom dit d'"'"'avant le renommage'
mutant editor/Unit1.cpp 'ui->fichiers->SelectedName());' 'QString());' \
    'accès : aperçu sans le nom de l'"'"'icône'
mutant editor/Unit1.cpp 'ui->Grille->Contenu(colonne, ligne) +' '' \
    'accès : case réduite au dernier type placé'
mutant editor/Unit1.cpp 'contenu.removeLast();' ';' 'accès : ennemi retiré toujours dit'
mutant editor/Unit1.cpp $'    ui->Grille->viderContenus();\n    ui->Grille->Repaint();' \
    '    ui->Grille->Repaint();' 'accès : fond posé, cases toujours dites pleines'
mutant editor/Unit1.cpp $'    ui->Grille->viderContenus();\n    TCanvas' '    TCanvas' \
    'accès : effacées, cases toujours dites pleines'

# The file and directory lists
mutant toolkit/TFileListBox.cpp 'return m == masque_.size();' 'return true;' \
    'liste : masque accepte tout'
mutant toolkit/TFileListBox.cpp "c >= u'A' && c <= u'Z' ? c | 0x20 : c" 'c' \
    'liste : masque sensible à la casse'
mutant toolkit/TFileListBox.cpp ': QDir(dossier_).filePath(nom);' ': nom;' \
    'liste : FileName sans le dossier'
mutant toolkit/TDirectoryListBox.cpp 'return a.first < b.first;' 'return a.first > b.first;' \
    'dossiers : tri inversé'
mutant toolkit/TDirectoryListBox.cpp 'cles.emplace_back(nom.toLower(),' 'cles.emplace_back(nom,' \
    'dossiers : tri sensible à la casse'
mutant toolkit/TDirectoryListBox.cpp "type == DT_DIR && entree->d_name[0] != '.'" 'type == DT_DIR' \
    'dossiers : dossiers cachés montrés'
mutant toolkit/TDirectoryListBox.cpp 'type == DT_REG && fichiers != nullptr' \
    'type != DT_DIR && fichiers != nullptr' 'dossiers : fichiers non réguliers listés'

# Pictures, focus, conversions, boxes
# Equivalent as far as a test can see: the check on the open file refuses it all the same; only
# the opening itself, which never blocks (O_NONBLOCK), is what the first check spares a device.
mutant toolkit/images.cpp '&etat) != 0 || !S_ISREG(etat.st_mode)) {' '&etat) != 0) {' \
    'images : fichier non régulier ouvert'
mutant toolkit/images.cpp 'choisie < 0 || ecart < ecartChoisi' 'choisie < 0 || ecart <= ecartChoisi' \
    'icône : le dernier des égaux choisi'
mutant toolkit/images.cpp 'std::abs((cote == 0 ? COTE_MAX_ICO : cote) - COTE_ICONE)' \
    '((cote == 0 ? COTE_MAX_ICO : cote) - COTE_ICONE)' 'icône : écart sans valeur absolue'
mutant toolkit/images.cpp 'largeur <= COTE_MAX_ICO &&' 'largeur < COTE_MAX_ICO &&' \
    'icône : largeur 256 refusée'
mutant toolkit/images.cpp 'return fichier.size() <' 'return fichier.size() <=' \
    'bitmap : fichier exact jugé tronqué'
# Equivalent on screen: the picture is drawn at the grid's corner and the surface clips what lies
# beyond; only the memory it holds differs, which the benchmarks measure.
mutant toolkit/images.cpp 'image.copy(QRect(QPoint(0, 0), visible_).intersected(image.rect()))' \
    'image' 'bitmap : image gardée entière'
mutant toolkit/EntreeSortie.cpp 'raison != Qt::PopupFocusReason' 'raison != Qt::TabFocusReason' \
    'focus : Popup remplacé par Tab'
# Left untested: focus coming back from the menu bar to a field still being edited would take
# its value on entry again.
mutant toolkit/EntreeSortie.cpp 'QEvent::FocusIn && !entre_' 'QEvent::FocusIn' \
    'focus : Enter répété'
mutant toolkit/conversions.cpp 'mid(signe ? 1 : 0)' 'mid(0)' 'StrToInt : signe refusé'
mutant toolkit/conversions.cpp '0x2018, 0x2019' '0x2019, 0x2018' 'Windows-1252 : guillemets simples inversés'
mutant toolkit/conversions.cpp 'code >= 0xA0 && code <= 0xFF' 'code > 0xA0 && code <= 0xFF' \
    'Windows-1252 : espace insécable refusé'
mutant toolkit/Boites.cpp 'setTextFormat(Qt::PlainText)' 'setTextFormat(Qt::AutoText)' \
    'boîtes : texte interprété'
mutant toolkit/Boites.cpp '== QDialog::Accepted ? boite.textValue() : defaut;' ', boite.textValue();' \
    'InputBox : Annuler rend le texte tapé'

# The timeline, copy and paste, the playback
mutant level/lecture_niveau.cpp 'if (ennemis.size() == NB_MAX_ENNEMIS) {' \
    'if (ennemis.size() > NB_MAX_ENNEMIS) {' 'presse-papiers : 101 lignes acceptées'
mutant level/lecture_niveau.cpp 'if (texte.size() > TAILLE_MAX_NIVEAU) {' \
    'if (texte.size() >= TAILLE_MAX_NIVEAU) {' 'presse-papiers : 64 Kio refusés'
mutant level/lecture_niveau.cpp 'champs<4>(ligne)' 'champs<6>(ligne)' \
    'presse-papiers : six champs attendus'
mutant level/lecture_niveau.cpp '} while (!lignes.finies());' '} while (false);' \
    'presse-papiers : la première ligne seule lue'
mutant level/fichier_niveau.cpp "deuxDecimales(ennemi.y) + '\\n'" \
    "deuxDecimales(ennemi.y) + \"\\r\\n\"" 'presse-papiers : fin de ligne CR LF'
mutant level/fichier_niveau.cpp '    std::sort(indices.begin(), indices.end());' ';' \
    'copier : dans l'"'"'ordre de la sélection'
mutant level/niveau.cpp 'tempsT < 0 || ennemis.size() > place' \
    'tempsT < 0 || ennemis.size() >= place' 'coller : jusqu'"'"'à 100 refusé'
mutant level/niveau.cpp 'if (tempsT < 0 ||' 'if (' 'coller : T négatif accepté'
mutant level/niveau.cpp 'std::min_element(ennemis.begin(), ennemis.end(), plusTot)' \
    'ennemis.begin()' 'coller : le premier collé à T, non le plus tôt'
mutant editor/PressePapiers.cpp "'\\x81'" "'?'" \
    'coller : hors Windows-1252 devient « ? »'
mutant editor/DocumentNiveau.cpp 'nombre == 1 ? cite(type)' 'nombre < 1 ? cite(type)' \
    'collage : un ennemi nommé « 1 ennemis »'
mutant editor/Unit1.cpp 'document.coller(std::get<std::vector<Ennemi>>(copies), ui->tempsT->Value())' \
    'document.coller(std::get<std::vector<Ennemi>>(copies), 0)' 'coller : à 0, non à T'
mutant editor/Unit1.cpp 'document.dupliquer(listeEnnemis->selection(), ui->tempsT->Value())' \
    'document.dupliquer(listeEnnemis->selection(), 0)' 'dupliquer : à 0, non à T'
mutant editor/ListeEnnemis.cpp 'table_->setTabKeyNavigation(false);' ';' \
    'liste : Tab reste dans la table'
mutant editor/ListeEnnemis.cpp 'setTabOrder(table_, bouton);' ';' \
    'liste : Maj+Tab de la table ne mène pas à la frise'
mutant editor/ListeEnnemis.cpp 'QItemSelectionModel::ClearAndSelect |' \
    'QItemSelectionModel::Select |' 'frise : un clic garde la sélection d'"'"'avant'
mutant editor/FriseTemps.cpp 'connect(&document_, &DocumentNiveau::Change, this, &FriseTemps::compter);' \
    ';' 'frise : ne suit pas le niveau'
mutant editor/FriseTemps.cpp '++nombres_[' '0 * nombres_[' 'frise : aucune barre'
mutant editor/FriseTemps.cpp 'std::min(std::floor(temps), float(SECONDE_MAX))' 'std::floor(temps)' \
    'frise : une seconde sans borne'
mutant editor/FriseTemps.cpp '? TARDIF' '? palette().color(QPalette::Highlight)' \
    'frise : retards sans couleur à eux'
mutant editor/FriseTemps.cpp 'if (secondeDe(niveau.ennemis[i].temps) == seconde) {' \
    'if (secondeDe(niveau.ennemis[i].temps) >= seconde) {' 'frise : bulle des secondes suivantes'
mutant editor/FriseTemps.cpp 'nombres[i] > 1 ?' 'nombres[i] > 0 ?' 'frise : bulle « × 1 »'
mutant editor/FriseTemps.cpp 'emit TempsChoisi(std::max(0, temps_ - 1));' \
    'emit TempsChoisi(temps_ - 1);' 'frise : Gauche passe sous 0'
mutant editor/FriseTemps.cpp 'emit TempsChoisi(duree());' 'emit TempsChoisi(0);' \
    'frise : Fin va à 0'
mutant editor/ListeEnnemis.cpp 'lecture.setVitesse(1 << choix)' 'lecture.setVitesse(1 + choix)' \
    'vague : × 3 au lieu de × 4'
mutant editor/Lecture.cpp 'std::min<qint64>(jusqua_, niveauMs(maintenant) / 1000)' \
    'niveauMs(maintenant) / 1000' 'vague : au-delà de la durée'
mutant editor/Lecture.cpp 'if (seconde_ >= jusqua_) {' 'if (seconde_ > jusqua_) {' \
    'vague : ne s'"'"'arrête pas à la durée'
mutant editor/Lecture.cpp 'return; // a call after the end' ';' 'vague : repart après la fin'
mutant editor/Lecture.cpp 'baseMs_ = qint64(depuis) * 1000;' 'baseMs_ = 0;' \
    'vague : jouée depuis 0, non depuis T'
# Left to the benchmark: a coarse timer wakes late, which only the real clock shows.
mutant editor/Lecture.cpp 'minuterie_.setTimerType(Qt::PreciseTimer);' ';' \
    'vague : minuterie grossière'
mutant editor/Unit1.cpp 'connect(&document, &DocumentNiveau::Change, &lecture, &Lecture::arreter);' \
    ';' 'vague : continue quand le niveau change'
mutant editor/Unit1.cpp '            lecture.arreter();' ';' 'vague : continue quand la frise choisit T'
mutant editor/Unit1.cpp 'if (lecture.enCours()) {' 'if (false) {' 'vague : F5 ne l'"'"'arrête pas'
mutant editor/Unit1.cpp 'depuis >= 0 && depuis < niveau.duree ? depuis : 0' 'depuis' \
    'vague : relancée à la fin, ne joue rien'
mutant editor/Unit1.cpp '1.0 / (1 + 2 * age)' '1.0' 'vague : secondes d'"'"'avant non pâlies'
mutant editor/Unit1.cpp '    afficherT(2);' '    afficherT();' 'vague : sans les secondes d'"'"'avant'
mutant editor/Unit1.cpp '    afficherT(); // T' '    ;' 'vague : arrêtée, les secondes d'"'"'avant restent'
mutant toolkit/TCanvas.cpp 'peintre.setOpacity(opacite);' ';' 'vague : opacité ignorée'
mutant editor/Unit1.cpp 'if (opacite == 1) {' 'if (true) {' \
    'vague : le lecteur d'"'"'écran entend les secondes d'"'"'avant'

# The help window
mutant help/Unit_aide.ui "<string>Aide sur l'Ombrelin pour Quorvane</string>" \
    "<string>Aide sur l'Ombrelin</string>" 'aide : titre'
mutant help/Unit_aide.cpp 'void TFaide::ButtonOKClick() { close(); }' \
    'void TFaide::ButtonOKClick() {}' 'aide : OK ne ferme pas'
# Left untested: where the help's lines break shows only in its picture.
mutant toolkit/TLabelLignes.cpp 'QStringLiteral(" {2,}")' 'QStringLiteral(" +")' \
    'aide : coupure à chaque espace'
mutant toolkit/TLabelLignes.cpp "lignes.join(QLatin1Char('\\n'))" "lignes.join(QLatin1Char(' '))" \
    'aide : lignes rejointes par une espace'

installer_paquets "${PAQUETS_CONSTRUCTION[@]}" "${PAQUETS_TESTS[@]}"
installer_locale_fr

travail=$(mktemp -d -t ombrelin-mutations-XXXXXX)
trap 'rm -rf "$travail"' EXIT
sources="$travail/sources"
construction="$travail/build"
journal="$travail/journal"
mkdir "$sources"
(cd "$racine" && git ls-files -z | xargs -0 cp --parents -t "$sources")

construire_copie() { cmake --build "$construction" -j2 >"$journal" 2>&1; }
lancer_suite() {
    ctest --test-dir "$construction" --stop-on-failure --timeout 60 >"$journal" 2>&1
}

echo "Construction de la copie dans $travail ..."
if ! cmake -S "$sources" -B "$construction" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DOMBRELIN_SANITIZE=OFF -DOMBRELIN_BENCH=OFF >"$journal" 2>&1 || ! construire_copie; then
    cat "$journal"
    echo "La copie sans mutant ne se construit pas." >&2
    exit 1
fi
# A suite that fails without any mutant would count every mutant as killed.
lancer_suite || { cat "$journal"; echo "La suite échoue sans mutant." >&2; exit 1; }

tues=0
appliques=0
inapplicables=0
survivants=()
for i in "${!libelles[@]}"; do
    libelle=${libelles[i]}
    [[ "${fichiers[i]} : $libelle" =~ $filtre ]] || continue
    fichier="$sources/${fichiers[i]}"
    cherche=${cherches[i]}
    # Read whole, trailing newlines included, so that the restored file is byte for byte the same.
    original=$(cat "$fichier" && printf x)
    original=${original%x}
    apres=${original#*"$cherche"}
    if [[ $original != *"$cherche"* || $apres == *"$cherche"* ]]; then
        echo "inapplicable  ${fichiers[i]} : $libelle"
        inapplicables=$((inapplicables + 1))
        continue
    fi
    printf '%s' "${original/"$cherche"/"${remplacements[i]}"}" >"$fichier"
    appliques=$((appliques + 1))
    if ! construire_copie; then
        verdict="tué (ne compile pas)"
    elif ! lancer_suite; then
        # The first test that failed, as ctest reports it ("***Failed", "***Timeout"...).
        echouee=$(sed -n 's/^.*Test *#[0-9]*: \([^ ]*\) .*\*\*\*.*$/\1/p;T;q' "$journal")
        verdict="tué par ${echouee:-?}"
    else
        verdict=SURVIVANT
    fi
    # Rewritten, not copied back with its old date: the next build must compile it again.
    printf '%s' "$original" >"$fichier"
    if [ "$verdict" = SURVIVANT ]; then
        survivants+=("${fichiers[i]} : $libelle")
    else
        tues=$((tues + 1))
    fi
    echo "$verdict  ${fichiers[i]} : $libelle"
done

echo
echo "Survivants : ${#survivants[@]}"
for survivant in "${survivants[@]}"; do
    echo "  $survivant"
done
echo "$tues/$appliques mutants killed"
echo "Inapplicables (texte absent ou présent plusieurs fois) : $inapplicables"
echo "Durée : $((SECONDS / 60)) min $((SECONDS % 60)) s"
