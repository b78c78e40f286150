#ifndef OMBRELIN_FENETRE_H
#define OMBRELIN_FENETRE_H

#include "Boites.h"
#include "NiveauxRecents.h"
#include "FriseTemps.h"
#include "TDirectoryListBox.h"
#include "TDrawGrid.h"
#include "TFileDialog.h"
#include "TFileListBox.h"
#include "Unit1.h"
#include "demarrage.h"
#include "fichier_niveau.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

// The colours of the tests' pictures, by the names that steps give them.
const QMap<QString, QRgb> COULEURS = {
    {"blanc", 0xFFFFFFFF}, {"rouge", 0xFFFF0000}, {"vert", 0xFF00A000}, {"bleu", 0xFF0000C8},
    {"orange", 0xFFE67800}};

inline QImage plein(const QString& couleur, int cote)
{
    QImage image(cote, cote, QImage::Format_RGB32);
    image.fill(COULEURS[couleur]);
    return image;
}

// An icon file of "[N×]CÔTÉ:COULEUR[,CÔTÉ:COULEUR...]": N directory entries (one per image by
// default) pointing in turn at PNG images of those sides and colours.
inline QByteArray icone(const QString& description)
{
    const QStringList images = description.section(u'×', -1).split(u',');
    const int nombre =
        description.contains(u'×') ? description.section(u'×', 0, 0).toInt() : int(images.size());
    QByteArray ico;
    QDataStream flux(&ico, QIODevice::WriteOnly);
    flux.setByteOrder(QDataStream::LittleEndian);
    flux << quint16(0) << quint16(1) << quint16(nombre);
    QBuffer pngs;
    pngs.open(QIODevice::WriteOnly);
    QList<quint32> debuts = {quint32(6 + 16 * nombre)};
    for (const QString& image : images) {
        plein(image.section(u':', 1), image.section(u':', 0, 0).toInt()).save(&pngs, "png");
        debuts << quint32(6 + 16 * nombre + pngs.size());
    }
    for (int i = 0; i < nombre; ++i) {
        const int n = i % int(images.size());
        flux << quint32(images[n].section(u':', 0, 0).toInt() % 256 * 0x101) << quint16(1)
             << quint16(32) << debuts[n + 1] - debuts[n] << debuts[n];
    }
    return ico + pngs.data();
}

// Upper-case words that rows write for longer texts: boxes, dialogs, levels and long names.
const std::pair<QString, QString> ABREGES[] = {
    {"QUESTION", "=boîte question: Les modifications du niveau « Niveau_1 » ne sont pas "
                 "enregistrées.\nLes enregistrer avant de continuer ?"},
    {"SUCCÈS ", "=boîte message: Niveau enregistré avec succés sous : \n"},
    {"TARDIF", "=boîte message: des temps d'apparition son superieur a la durée totale !"},
    {"ICÔNE ", "=boîte erreur: Impossible de lire l'icône … "},
    {"FOND ", "=boîte erreur: Impossible de lire l'image de fond … "},
    {"NIVEAU ", "=boîte erreur: Impossible d'ouvrir le niveau … "},
    {"TEMPORAIRE", "Le fichier temporaire « ennemi.tmp » ne peut pas être écrit"},
    {"FILTRE", "=dialogue fichier map (*.txt)|"},
    {"SOUS", "menu Enregistrerleniveausous2"},
    {"UN_TANK", "Niveau_1|100|1|0\t0.00\ttank\t-5.00\t5.00\t-100"},
    {"DEUX_ENNEMIS", "0\t12.00\tboss\t-5.00\t4.00\t-7|1\t50.00\ttank\t5.00\t-5.00\t-7|"},
    {"OCTETS", QString::fromLatin1("\x80 \x8Cuvre \x96 \xFF \xE9t\xE9 \x91\xA0")},
    {"N250", QString(250, u'n')},
    {"TANK_7", "0\t0.00\ttank\t-5.00\t5.00\t-7|"},
    {"RÉCUP", "$XDG_DATA_HOME/Ombrelin/recuperation"}, // the recovery copies
    {"ARRÊT", " n'a pas été enregistré avant l'arrêt de l'éditeur. Le reprendre ?"}};

// The real boxes up to their modal loop, where a script answers them in order, as it does the file
// dialogs (none left, or a null answer, cancels; a question takes a button's text). Boxes are
// logged as "message: …", "erreur: …", "question: …", "saisie: titre|invite|défaut".
class BoitesScriptees : public BoitesQt {
public:
    QStringList reponses;
    QStringList journal;
    QStringList dialogues; // "filtre|chemin proposé"; the answers taken tell that they ran

    std::optional<QString> Execute(const TFileDialog& dialogue) override
    {
        dialogues << dialogue.filtreQt() + '|' + dialogue.FileName;
        const QString reponse = prendre();
        return reponse.isNull() ? std::nullopt : std::optional(reponse);
    }

    void ShowModal(QDialog& fenetre) override { fenetre.show(); } // closed as a user would

protected:
    int lancer(QDialog& boite) override
    {
        if (auto* saisie = qobject_cast<QInputDialog*>(&boite)) {
            journal << "saisie: " + saisie->windowTitle() + '|' + saisie->labelText() + '|' +
                           saisie->textValue();
            const QString reponse = prendre();
            saisie->setTextValue(reponse.isNull() ? "tapé puis annulé" : reponse);
            return reponse.isNull() ? QDialog::Rejected : QDialog::Accepted;
        }
        auto& message = static_cast<QMessageBox&>(boite);
        if (message.textFormat() != Qt::PlainText) {
            qFatal("a box would read names as markup: %s", qPrintable(message.text()));
        }
        if (message.icon() != QMessageBox::Question) {
            journal << (message.icon() == QMessageBox::Critical ? "erreur: " : "message: ") +
                           message.text();
            return QMessageBox::Ok;
        }
        journal << "question: " + message.text();
        // A button's text, or a key as Qt takes it: Entrée the default button, Échap the escape
        // one, Alt+X the one whose access key is X.
        const QString reponse = prendre();
        const auto touche = [&](QAbstractButton* bouton) {
            return reponse == "Entrée"  ? bouton == message.defaultButton()
                   : reponse == "Échap" ? bouton == message.escapeButton()
                                        : reponse.startsWith("Alt+") &&
                                              QKeySequence::mnemonic(bouton->text()) == reponse;
        };
        for (QAbstractButton* bouton : message.buttons()) {
            if (bouton->text().remove(u'&') == reponse || touche(bouton)) {
                bouton->click();
                break;
            }
        }
        if (!reponse.isNull() && !message.clickedButton()) {
            journal << "sans effet: " + reponse;
        }
        return message.standardButton(message.clickedButton());
    }

private:
    QString prendre() { return reponses.isEmpty() ? QString() : reponses.takeFirst(); }
};

// Each test starts from the main window opened in a fresh current directory that holds a green
// tank.ico, a blue boss.ico and a blue fond.bmp, and the user's settings in its .config, and plays
// rows of steps on it with real mouse, focus and key events.
class Fenetre : public QObject {
    Q_OBJECT

public:
    BoitesScriptees boites;
    std::unique_ptr<TForm1> form;

    Fenetre() { preparerApplication(*qApp); }

    template <class T = QWidget> T* widget(const QString& nom) const
    {
        return form->findChild<T*>(nom);
    }

    void choisirIcone(const QString& nom) const
    {
        auto* fichiers = widget<TFileListBox>("fichiers");
        const QModelIndexList entrees = fichiers->model()->match(
            fichiers->model()->index(0, 0), Qt::DisplayRole, nom, 1, Qt::MatchExactly);
        QVERIFY2(!entrees.isEmpty(), qPrintable(nom + " n'est pas listé"));
        fichiers->scrollTo(entrees[0]);
        QTest::mouseClick(fichiers->viewport(), Qt::LeftButton, {},
                          fichiers->visualRect(entrees[0]).center());
    }

    // On the cell's last pixel: a line or a frame misplaced by one would take the next cell.
    void cliquerCellule(int colonne, int ligne) const
    {
        auto* grille = widget<TDrawGrid>("Grille");
        QTest::mouseClick(grille, Qt::LeftButton, {},
                          grille->contentsRect().topLeft() + QPoint(colonne, ligne) * 33 +
                              QPoint(31, 31));
    }

    // What assistive technology reads of a widget, of its child N ("Grille/60") or of the end of
    // the window's focus chain ("focus"): "RÔLE[ ENFANTS LIGNES×COLONNES][ LIGNE,COLONNE][
    // [focus]]: NOM[ — DESCRIPTION]", the counts for a table only.
    QString accessible(const QString& sujet) const
    {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(
            sujet == "focus" ? form.get() : widget(sujet.section(u'/', 0, 0)));
        if (sujet.contains(u'/')) {
            a = a->child(sujet.section(u'/', 1).toInt());
        }
        for (QAccessibleInterface* f; sujet == "focus" && (f = a->focusChild()) && f != a;) {
            a = f;
        }
        const auto* table = a->role() == QAccessible::Table ? a->tableInterface() : nullptr;
        auto* cellule = a->tableCellInterface();
        const QString description = a->text(QAccessible::Description);
        return QMetaEnum::fromType<QAccessible::Role>().valueToKey(a->role()) +
               (table ? QString(" %1 %2×%3")
                            .arg(a->childCount())
                            .arg(table->rowCount())
                            .arg(table->columnCount())
                      : "") +
               (cellule ? QString(" %1,%2").arg(cellule->rowIndex()).arg(cellule->columnIndex())
                        : "") +
               (a->state().focused ? " [focus]" : "") + ": " + a->text(QAccessible::Name) +
               (description.isEmpty() ? "" : " — " + description);
    }

    static void ecrire(const QString& nom, const QByteArray& octets)
    {
        QFile fichier(nom);
        QVERIFY(fichier.open(QIODevice::WriteOnly));
        fichier.write(octets);
    }

    const QImage& surface() const { return widget<TDrawGrid>("Grille")->Canvas().image(); }

    // The name of the one colour of an image, "mêlé" when it has several.
    static QString couleur(const QImage& image)
    {
        const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
        const auto* pixels = reinterpret_cast<const QRgb*>(rgb.constBits());
        const auto uni = [&](QRgb pixel) { return pixel == pixels[0]; };
        return rgb.isNull() ? "vide"
               : std::all_of(pixels, pixels + rgb.width() * rgb.height(), uni)
                   ? COULEURS.key(pixels[0], "autre")
                   : "mêlé";
    }

    // Plays steps separated by "; ": what a user does or puts in the folder, and after "=" what
    // must hold at that point. Every box shown must be checked by a "=boîte", in order.
    void jouer(QString etapes)
    {
        for (const auto& [abrege, texte] : ABREGES) {
            etapes.replace(abrege, texte);
        }
        for (const QString& etape : etapes.split("; ", Qt::SkipEmptyParts)) {
            faire(etape.section(u' ', 0, 0), etape.section(u' ', 1));
            // What the window does once the event is handled: Qt commits an edit in an event of
            // its own, after which the window says why it refused it.
            QCoreApplication::processEvents();
            QCoreApplication::processEvents();
            if (QTest::currentTestFailed()) {
                qWarning("à l'étape « %s »", qPrintable(etape));
                return;
            }
        }
        QCOMPARE(boites.journal, QStringList());
        QCOMPARE(boites.reponses, QStringList());
    }

public slots: // Qt Test runs them around each test; a benchmark calls them itself
    void init()
    {
        dossier_ = std::make_unique<QTemporaryDir>();
        QDir::setCurrent(dossier_->path());
        // The user's data folder, where recovery copies go, is the test's own.
        donnees_ = std::make_unique<QTemporaryDir>();
        qputenv("XDG_DATA_HOME", QFile::encodeName(donnees_->path()));
        ecrire("tank.ico", icone("32:vert"));
        ecrire("boss.ico", icone("32:bleu"));
        plein("bleu", 363).save("fond.bmp");
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           dossier_->path() + "/.config");
        boites = {};
        ouvrirFenetre();
    }

    void cleanup()
    {
        autre_.reset();
        form.reset();
        donnees_.reset();
        QDir::setCurrent(QDir::rootPath());
        dossier_.reset();
    }

private:
    void ouvrirFenetre()
    {
        // What the window system still has to say of a window gone must not reach the new one.
        QCoreApplication::processEvents();
        form = std::make_unique<TForm1>(boites);
        form->show();
        QApplication::setActiveWindow(form.get());
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QTRY_VERIFY(widget<TFileListBox>("fichiers")->model()->rowCount() > 0); // once painted
        // The playback's clock: only the step "horloge" moves it.
        form->findChild<Lecture*>()->setHorloge([this] { return horloge_; });
    }

    // Steps: "icône NOM", "T TEXTE" and "durée TEXTE" (typed over, the field stays entered),
    // "touche SÉQUENCE", "taper TEXTE" (into the focus), "case COLONNE LIGNE [FOIS]", "entête N"
    // (the enemy list's column header), "frise SECONDE" (a click on its bar), "presse-papiers
    // TEXTE" (as copied elsewhere, "|" for LF), "horloge MS" (the playback's clock moves on, and
    // its timer wakes), "clic WIDGET", "menu ACTION", "fermer" (from the frame), "» RÉPONSE" for
    // the next box or dialog (none cancels, "∅" is the empty text), "récent N" (the Nth level of
    // "Niveaux récents"); in the folder: "ico DESCRIPTION NOM" (see icone()), "bmp CÔTÉ:COULEUR
    // NOM", "écrire NOM TEXTE" ("|" for CR LF), "aller DOSSIER", "sh COMMANDE"; "lancer
    // [FICHIER]" starts another editor as ombrelin does, the window stays; "redémarrer [FICHIER]"
    // the same, once the window is gone as a killed editor goes (no question, its recovery copy
    // left).
    void faire(const QString& verbe, const QString& reste)
    {
        const QStringList mots = reste.split(u' ');
        QWidget* champ = widget(verbe == "T" ? "tempsT" : "DureeMission");
        QWidget* const focus = QApplication::focusWidget();
        if (verbe.startsWith(u'=')) {
            constater(verbe.mid(1), reste);
        } else if (verbe == "icône") {
            choisirIcone(reste);
        } else if (verbe == "T" || verbe == "durée") {
            QTest::mouseClick(champ, Qt::LeftButton, {}, QPoint(5, 10));
            QTest::keyClick(champ, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(champ, reste.isEmpty() ? "\b" : reste);
        } else if (verbe == "touche") {
            if (focus == nullptr) { // a window closed: the desktop activates the main window
                QApplication::setActiveWindow(form.get());
            }
            QTest::keySequence(QApplication::focusWidget(), QKeySequence(reste));
        } else if (verbe == "taper") { // as an input method gives it: any text, tabs included
            QInputMethodEvent saisie;
            saisie.setCommitString(reste);
            QApplication::sendEvent(focus, &saisie);
        } else if (verbe == "presse-papiers") {
            QGuiApplication::clipboard()->setText(QString(reste).replace(u'|', u'\n'));
        } else if (verbe == "frise") {
            auto* frise = widget<FriseTemps>("frise");
            QTest::mouseClick(frise, Qt::LeftButton, {},
                              frise->barre(reste.toInt()).center().toPoint());
        } else if (verbe == "horloge") {
            horloge_ += reste.toInt();
            form->findChild<Lecture*>()->tic();
        } else if (verbe == "entête") {
            auto* entete = widget<QTableView>("table")->horizontalHeader();
            QTest::mouseClick(entete->viewport(), Qt::LeftButton, {},
                              QPoint(entete->sectionViewportPosition(reste.toInt()) + 5, 5));
        } else if (verbe == "case") {
            for (int i = 0; i < mots.value(2, "1").toInt(); ++i) {
                cliquerCellule(mots[0].toInt(), mots[1].toInt());
            }
        } else if (verbe == "clic") {
            QTest::mouseClick(widget(reste), Qt::LeftButton);
        } else if (verbe == "menu") {
            widget<QAction>(reste)->trigger();
        } else if (verbe == "fermer") {
            form->close();
        } else if (verbe == "récent") {
            widget<QMenu>("Niveauxrecents1")->actions().at(reste.toInt() - 1)->trigger();
        } else if (verbe == "»") {
            boites.reponses << (reste.isEmpty() ? QString() : QString(reste).remove("∅"));
        } else if (verbe == "ico") {
            ecrire(reste.section(u' ', 1), icone(mots[0]));
            faire("aller", "");
        } else if (verbe == "bmp") {
            plein(mots[0].section(u':', 1), mots[0].section(u':', 0, 0).toInt())
                .save(reste.section(u' ', 1), "bmp");
        } else if (verbe == "écrire") {
            ecrire(mots[0], reste.section(u' ', 1).replace(u'|', "\r\n").toLatin1());
        } else if (verbe == "lancer" || verbe == "redémarrer") {
            autre_ = std::move(form);
            if (verbe == "redémarrer") {
                autre_.reset();
            }
            ouvrirFenetre();
            form->demarrer(reste);
        } else if (verbe == "aller") { // as a double click in the folder list
            widget<TDirectoryListBox>("dossiers")->setDirectory(reste);
        } else {
            QVERIFY2(verbe == "sh", qPrintable("étape inconnue : " + verbe));
            QCOMPARE(QProcess::execute("sh", {"-c", reste}), 0);
        }
    }

    // Checks "=QUOI [SUJET] ATTENDU": what the window shows for QUOI must be ATTENDU. "=boîte DÉBUT
    // [… PARTIE]..." takes the next box; "=dialogue" the next file dialog, or "aucun"; "=niveau"
    // (as Ctrl+S writes it) and "=fichier NOM", "|" for CR LF; "=case COLONNE LIGNE", "=grille",
    // "=aperçu" (colours); "=texte WIDGET" (an action's, or a window's title); "=compteur";
    // "=fichiers", "=dossiers" (listed); "=liste" (the enemy list's rows as shown, "|" between),
    // "=choisies" (its selected rows' N°); "=focus" (the widget's name); "=cellule" (the grid's
    // current cell); "=barre SECONDE" (the colour of its bar on the strip); "=bulle TEXTE" (the
    // strip's tooltip for the second TEXTE begins with); "=presse-papiers" ("|" for LF);
    // "=visible WIDGET", "=actif ACTION" (oui or non); "=accessible SUJET" (see accessible());
    // "=récents" (each as ~/FOLDER/NAME, ~ for the current directory, from what it shows, or
    // "grisé").
    void constater(const QString& quoi, const QString& attendu)
    {
        const QStringList mots = attendu.split(u' ');
        const int sujet =
            quoi == "case"
                ? 2
                : QStringList{"fichier", "texte", "visible", "actif", "accessible"}.contains(quoi);
        QString vu;
        if (quoi == "boîte") {
            vu = boites.journal.isEmpty() ? "(aucune)" : boites.journal.takeFirst();
            const QStringList parties = attendu.split(" … ");
            const auto dedans = [&](const QString& partie) { return vu.contains(partie); };
            if (vu.startsWith(parties[0]) && std::all_of(parties.begin(), parties.end(), dedans)) {
                vu = attendu;
            }
        } else if (quoi == "dialogue") {
            vu = boites.dialogues.isEmpty() ? "aucun" : boites.dialogues.takeFirst();
        } else if (quoi == "fichiers" || quoi == "dossiers") { // the folder's, below it
            const auto* liste = widget<QAbstractItemView>(quoi);
            for (int i = quoi == "fichiers" ? 0 : liste->currentIndex().row() + 1;
                 i < liste->model()->rowCount(); ++i) {
                vu += liste->model()->index(i, 0).data().toString().trimmed() + ' ';
            }
            vu.chop(1);
        } else if (quoi == "niveau") {
            vu = QString::fromLatin1(texteNiveau(niveau, FormeProfondeur::Entiere));
        } else if (quoi == "fichier") {
            QFile fichier(mots[0]);
            vu = fichier.open(QIODevice::ReadOnly) ? QString::fromLatin1(fichier.readAll())
                                                   : "(absent)";
        } else if (quoi == "case" || quoi == "grille" || quoi == "aperçu") {
            vu = couleur(quoi == "aperçu" ? widget<QLabel>("Icone")->pixmap().toImage()
                         : quoi == "grille"
                             ? surface()
                             : surface().copy(mots[0].toInt() * 33, mots[1].toInt() * 33, 32, 32));
        } else if (quoi == "texte") { // a window's title; a label's is never read as markup
            const auto* label = widget<QLabel>(mots[0]);
            const QWidget* fenetre = widget(mots[0]);
            vu = widget<QObject>(mots[0])
                     ->property(fenetre && fenetre->isWindow() ? "windowTitle" : "text")
                     .toString() +
                 (label && label->textFormat() != Qt::PlainText ? " (balisé)" : "");
        } else if (quoi == "liste") {
            const QAbstractItemModel* lignes = widget<QTableView>("table")->model();
            for (int i = 0; i < lignes->rowCount(); ++i) {
                for (int j = 0; j < lignes->columnCount(); ++j) {
                    vu += lignes->index(i, j).data().toString() + (j < 4 ? ' ' : '|');
                }
            }
        } else if (quoi == "choisies") { // by their N°
            for (const QModelIndex& ligne :
                 widget<QTableView>("table")->selectionModel()->selectedRows()) {
                vu += ligne.data().toString() + ' ';
            }
            vu.chop(1);
        } else if (quoi == "barre") { // at the foot of the strip's bar, left of T's line
            auto* frise = widget<FriseTemps>("frise");
            const QRectF barre = frise->barre(mots[0].toInt());
            const QPoint pied(int(barre.left()) + 1, int(barre.bottom()) - 1);
            vu = mots[0] + ' ' + couleur(frise->grab().toImage().copy(QRect(pied, QSize(1, 1))));
        } else if (quoi == "bulle") {
            vu = widget<FriseTemps>("frise")->bulle(mots[0].toInt()); // "12 s : …"
        } else if (quoi == "presse-papiers") {
            vu = QGuiApplication::clipboard()->text().replace(u'\n', u'|');
        } else if (quoi == "focus") {
            vu = QApplication::focusWidget()->objectName();
        } else if (quoi == "cellule") {
            const auto* grille = widget<TDrawGrid>("Grille");
            vu = QString::number(grille->Col()) + ' ' + QString::number(grille->Row());
        } else if (quoi == "compteur") { // the count, and the label that shows it
            vu = QString::number(niveau.nbEnnemis) + widget<QLabel>("labelNbEnn")->text();
            vu.remove("nombre total d'ennemis : " + attendu + "/100");
        } else if (quoi == "récents") {
            const auto* menu = widget<QMenu>("Niveauxrecents1");
            for (const QAction* entree : menu->actions().mid(0, NiveauxRecents::NOMBRE_MAX)) {
                QTextDocument bulle; // as the tooltip shows it
                bulle.setHtml(menu->toolTipsVisible() ? entree->toolTip() : "");
                vu += entree->isVisible()
                          ? bulle.toPlainText() + '/' +
                                entree->text().replace(QRegularExpression("&(.)"), "\\1") + ' '
                          : "";
            }
            vu = menu->menuAction()->isEnabled() ? vu.replace(QDir::currentPath(), "~").trimmed()
                                                 : "grisé";
        } else if (quoi == "accessible") {
            vu = accessible(mots[0]);
        } else if (quoi == "visible") {
            vu = (mots[0] == "Form1" ? form.get() : widget(mots[0]))->isVisible() ? "oui" : "non";
        } else {
            QVERIFY2(quoi == "actif", qPrintable("constat inconnu : " + quoi));
            vu = widget<QAction>(mots[0])->isEnabled() ? "oui" : "non";
        }
        QCOMPARE(vu.replace("\r\n", "|"), attendu.section(u' ', sujet));
    }

    std::unique_ptr<QTemporaryDir> dossier_;
    std::unique_ptr<QTemporaryDir> donnees_;
    std::unique_ptr<TForm1> autre_; // an editor started before, still running
    qint64 horloge_ = 0;
};

#endif
