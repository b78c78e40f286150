#include "Fenetre.h"

// What a level designer does in the window, row by row: the steps of Fenetre::jouer and what must
// hold after them.
class TestFenetre : public Fenetre {
    Q_OBJECT

private slots:
    void scenario_data()
    {
        QTest::addColumn<QString>("etapes");
        const auto ligne = [](const char* nom, const char* etapes) {
            QTest::newRow(nom) << QString(etapes);
        };
        ligne("démarrage; sans icône choisie, rien; quitter sans changement ne demande rien",
              "=niveau Niveau_1|100|0|; =texte NomNiveau Niveau_1; =texte DureeMission 100; "
              "=texte tempsT 0; =compteur 0; =actif Retirerledernierennemi1 non; case 2 2; "
              "touche Tab; case 2 2; =compteur 0; =grille blanc; =aperçu vide; menu Quitter1; "
              "=visible Form1 non");
        ligne("placer : cellule, temps T, par-dessus, cent au plus; effacer n'ôte que les icônes",
              "T 7; icône tank.ico; case 0 0; case 10 0; icône boss.ico; case 10 10; ico 32:vert "
              "été.ico; icône été.ico; case 10 10; =niveau Niveau_1|100|4|0\t7.00\ttank\t-5.00"
              "\t5.00\t-100|1\t7.00\ttank\t5.00\t5.00\t-100|2\t7.00\tboss\t5.00\t-5.00\t-100|3"
              "\t7.00\tété\t5.00\t-5.00\t-100|; =case 0 0 vert; =case 10 0 vert; =case 10 10 "
              "vert; =case 9 0 blanc; =compteur 4; =actif Retirerledernierennemi1 oui; ico "
              "32:rouge r.ico; icône r.ico; case 5 5; clic effacement; =case 0 0 blanc; =case 10 "
              "0 blanc; =case 10 10 blanc; =case 5 5 rouge; =compteur 5; case 2 2 95; case 1 1; "
              "=boîte message: Trop d'ennemis tue l'ennemi !; =compteur 100; =case 1 1 blanc");
        ligne("la liste : fichiers .ico, dossiers visibles",
              "ico 32:bleu BOSS.ICO; ico 32:bleu .ico; ico 32:bleu .boss.ico; sh ln -s tank.ico "
              "lien.ico && ln -s absent casse.ico && mkfifo fifo.ico && touch notes.txt && mkdir "
              "dossier.ico B a .cache; aller ; =fichiers .boss.ico .ico BOSS.ICO boss.ico "
              "lien.ico tank.ico; =dossiers a B dossier.ico");
        ligne("un autre dossier : plus d'icône choisie, l'aperçu reste, les placés aussi",
              "icône tank.ico; case 1 1; sh mkdir loin; ico 32:bleu loin/x.ico; aller loin; "
              "=fichiers x.ico; case 0 0; =compteur 1; =aperçu vert; icône x.ico; =aperçu bleu; "
              "case 0 0; =case 0 0 bleu; T 1; T 0; =case 1 1 vert");
        ligne("d'une icône, l'image la plus proche de 32 × 32, la première des égales",
              "ico 16:vert,32:bleu paire.ico; ico 32:bleu,32:vert egales.ico; ico 65535×256:bleu "
              "grande.ico; icône paire.ico; =aperçu bleu; icône egales.ico; =aperçu bleu; icône "
              "grande.ico; case 0 0; =case 0 0 bleu");
        ligne("effacer et retirer remettent le fond, relu s'il change; dit quand il manque",
              "icône tank.ico; case 0 0; » fond.bmp; menu background1; touche Ctrl+Z; =grille "
              "bleu; case 0 0; clic effacement; =grille bleu; case 3 3; touche Ctrl+Z; =case 0 0 "
              "vert; =case 3 3 bleu; » absent.bmp; menu background1; FOND absent.bmp; clic "
              "effacement; =grille "
              "bleu; bmp 500:vert grand.bmp; » grand.bmp; menu background1; case 0 0; clic "
              "effacement; =grille vert; »; menu background1; =grille vert; bmp 400:bleu "
              "grand.bmp; clic effacement; =grille bleu; ico 32:rouge r.ico; icône r.ico; case 5 "
              "5; sh rm grand.bmp; clic effacement; clic effacement; FOND grand.bmp; FOND "
              "grand.bmp; =grille rouge; =compteur 3");
        ligne("changer T efface l'affichage à chaque frappe qui le change",
              "T 10; icône tank.ico; case 2 2; clic tempsT; touche Home; touche 0; =case 2 2 "
              "vert; touche Ctrl+A; touche 3; =grille blanc; =compteur 1; » fond.bmp; menu "
              "background1; sh rm fond.bmp; touche 0, 0; FOND fond.bmp; FOND fond.bmp; =texte "
              "tempsT 100");
        ligne("la durée borne T; vidée elle revient; invalide elle ne change rien",
              "T 80; durée 50; touche Tab; =texte tempsT 50; =niveau Niveau_1|50|0|; durée ; "
              "touche Tab; =texte DureeMission 50; durée abc; touche Tab; =boîte erreur: 'abc' "
              "n'est pas une valeur entière correcte.; =niveau Niveau_1|50|0|; T 200; =texte "
              "tempsT 50; clic DureeMission; =boîte erreur: 'abc'");
        ligne("T hors de ses bornes revient à sa valeur d'entrée, ou à la borne",
              "T 10; touche Tab; T -1; =texte tempsT -1; touche Tab; =texte tempsT 10; T 0; "
              "touche Tab; =texte tempsT 0; T 100; touche Tab; =texte tempsT 100; T 200; =texte "
              "tempsT 100");
        ligne("renommer : en Windows-1252, tel que tapé; annuler garde le nom",
              "» € Œuvre – ÿ été ‘\u00A0; clic NomNiveau; =boîte saisie: Choix du nom pour le "
              "niveau|Entrer un nom : |Niveau_1; »; clic NomNiveau; =boîte saisie; =niveau "
              "OCTETS|100|0|; » ∅; clic NomNiveau; =boîte saisie; =niveau |100|0|; » "
              "<b>Boss</b>; clic NomNiveau; =boîte saisie; =texte NomNiveau <b>Boss</b>");
        ligne("profondeur : celle en usage proposée, annuler la garde",
              "» -5; menu changerlaprofondeur1; =boîte saisie: Apparition des ennemis|Profondeur "
              "en z ( -10<...<-100 ) : |-100; »; menu changerlaprofondeur1; =boîte saisie: "
              "Apparition des ennemis|Profondeur en z ( -10<...<-100 ) : |-5; icône tank.ico; "
              "case 0 0; =niveau Niveau_1|100|1|0\t0.00\ttank\t-5.00\t5.00\t-5|");
        ligne("Ctrl+S sans fichier : Enregistrer sous, décimal; puis Ctrl+S, entier",
              "icône tank.ico; case 0 0; touche Ctrl+S; FILTRE; » a; touche Ctrl+S; FILTRE; "
              "SUCCÈS a.txt; =fichier a.txt UN_TANK.00|; touche Ctrl+S; =fichier a.txt UN_TANK|");
        ligne("« .txt » ajouté quand le chemin n'en a nulle part",
              "» LEVEL1.TXT; SOUS; SUCCÈS LEVEL1.TXT.txt; » notes.txt.bak; SOUS; SUCCÈS "
              "notes.txt.bak; =fichier notes.txt.bak Niveau_1|100|0|; sh mkdir d.txt; » d.txt/n; "
              "SOUS; SUCCÈS d.txt/n; =fichier d.txt/n Niveau_1|100|0|; » N250; SOUS; SUCCÈS "
              "N250.txt; =fichier N250.txt Niveau_1|100|0|");
        ligne("un Enregistrer sous refusé : Ctrl+S écrit le fichier d'avant",
              "» a; SOUS; SUCCÈS a.txt; » absent/n; SOUS; =boîte erreur: Impossible d'écrire le "
              "fichier … absent/n.txt; icône tank.ico; case 0 0; touche Ctrl+S; =fichier a.txt "
              "UN_TANK|");
        ligne("un champ en cours de saisie s'applique avant d'enregistrer; chaque retard dit",
              "icône tank.ico; T 50; case 0 0; T 11; case 1 1; T 60; case 2 2; durée abc; SOUS; "
              "=boîte erreur: 'abc' n'est pas une valeur entière correcte.; durée 11; » c; "
              "touche Ctrl+S; TARDIF; TARDIF; SUCCÈS c.txt; =fichier c.txt Niveau_1|11|3|0\t50.00"
              "\ttank\t-5.00\t5.00\t-100.00|1\t11.00\ttank\t-4.00\t4.00\t-100.00|2\t60.00\ttank"
              "\t-3.00\t3.00\t-100.00|; T -1; touche Ctrl+S; TARDIF; TARDIF; =texte tempsT 11");
        ligne("ouvrir : Annuler garde tout, sinon le niveau, ses champs, ses ennemis à T",
              "écrire n.txt été|50|2|DEUX_ENNEMIS; T 80; icône tank.ico; case 3 3; » Annuler; "
              "touche Ctrl+O; QUESTION; =dialogue aucun; =case 3 3 vert; » Ne pas tenir compte; "
              "» n.txt; touche Ctrl+O; QUESTION; FILTRE; =niveau été|50|2|DEUX_ENNEMIS; =texte "
              "NomNiveau été; =texte DureeMission 50; =texte tempsT 50; =compteur 2; =case 10 10 "
              "vert; =case 0 1 blanc; =actif Annuler1 non; »; SOUS; FILTREn.txt; case 0 0; touche "
              "Ctrl+S; =fichier n.txt "
              "été|50|3|DEUX_ENNEMIS2\t50.00\ttank\t-5.00\t5.00\t-7|; » n.txt; touche Ctrl+O; "
              "=case 0 0 vert; menu Quitter1; =visible Form1 non");
        ligne("le niveau ouvert se voit à T, le dernier par-dessus; sans icône, un marqueur",
              "écrire c.ico x; aller ; écrire v.txt V|100|5|0\t12.00\ttank\t-5.00\t5.00\t-1|1"
              "\t12.99\tboss\t-5.00\t5.00\t-1|2\t12.50\tabsent\t0.00\t0.00\t-1|3\t12.00\tc"
              "\t5.00\t5.00\t-1|4\t13.00\ttank\t5.00\t-5.00\t-1|; » v.txt; touche Ctrl+O; "
              "FILTRE; =grille blanc; T 12; =case 0 0 bleu; =case 5 5 mêlé; =case 10 0 mêlé; "
              "=case 10 10 blanc; T 0; =grille blanc; clic effacement; =grille blanc; T 13; =case "
              "10 10 vert; =case 0 "
              "0 blanc; » fond.bmp; menu background1; T 12; =case 10 10 bleu; =case 5 5 mêlé; "
              "menu Quitter1; =visible Form1 non");
        ligne("au clavier; annuler, rétablir chaque changement; revenu au départ, rien à "
              "demander",
              "=texte Annuler1 &Annuler; =actif Annuler1 non; icône tank.ico; touche Shift+Tab; "
              "touche Left; touche Right; touche Down; touche Space; =case 1 1 vert; =texte Annuler1 &Annuler "
              "le placement de « tank »; durée 50; touche Tab; touche Tab; » X; clic NomNiveau; =boîte "
              "saisie; » -7; menu changerlaprofondeur1; =boîte saisie; =niveau X|50|1|0\t0.00\t"
              "tank\t-4.00\t4.00\t-7|; touche Ctrl+Z; =niveau X|50|1|0\t0.00\ttank\t-4.00\t4.00"
              "\t-100|; touche Ctrl+Z; =texte NomNiveau Niveau_1; touche Ctrl+Z; =texte "
              "DureeMission 100; =texte Retablir1 Ré&tablir le changement de durée; touche "
              "Ctrl+Z; =case 1 1 blanc; =compteur 0; =actif Annuler1 non; touche Ctrl+Y; =case 1 "
              "1 vert; touche Ctrl+Shift+Z; =texte DureeMission 50; menu Retirerledernierennemi1; "
              "=texte Annuler1 &Annuler la suppression de « tank »; =actif Retablir1 non; =case 1 "
              "1 blanc; touche Ctrl+Z; =case 1 1 vert; touche Return; =compteur 2; touche Ctrl+Z; "
              "touche Ctrl+Z; touche Ctrl+Z; =niveau Niveau_1|100|0|; menu Quitter1; =visible "
              "Form1 non");
        ligne("la liste : suit le niveau, montre, modifie, trie la vue, supprime",
              "écrire n.txt été|50|2|DEUX_ENNEMIS; » n.txt; touche Ctrl+O; FILTRE; touche Ctrl+L; "
              "=texte ListeEnnemis Ennemis du niveau; =focus table; =choisies 0; touche F2; taper "
              "3; touche Return; =liste 0 12.00 boss -5 4|1 50.00 tank 5 -5|; =texte tempsT 12; "
              "=case 0 1 bleu; =cellule 0 1; touche Down; =texte tempsT 50; =case 10 10 vert; "
              "=cellule 10 10; touche Right; touche F2; taper 70; touche Return; touche Up; touche "
              "Down; =texte tempsT 12; touche F2; taper 7,5; touche Return; =niveau été|50|2|0\t"
              "12.00\tboss\t-5.00\t4.00\t-7|1\t7.50\ttank\t5.00\t-5.00\t-7|; =texte Annuler1 "
              "&Annuler la modification de « tank »; entête 1; =liste 1 7.50 tank 5 -5|0 12.00 "
              "boss -5 4|; touche F2; taper 13; touche Return; =liste 0 12.00 boss -5 4|1 13.00 "
              "tank 5 -5|; touche Right; touche F2; taper boss; touche Tab; taper 3; touche "
              "Return; =niveau été|50|2|0\t12.00\tboss\t-5.00\t4.00\t-7|1\t13.00\tboss\t3.00\t"
              "-5.00\t-7|; icône tank.ico; case 0 0; =choisies 1; menu Retirerledernierennemi1; "
              "=choisies 1; entête 1; touche Down; touche Delete; =niveau été|50|1|0\t13.00\tboss"
              "\t3.00\t-5.00\t-7|; touche Ctrl+Z; touche Ctrl+A; touche Delete; =liste ; =texte "
              "Annuler1 &Annuler la suppression de 2 ennemis; touche Ctrl+Z; =compteur 2; touche "
              "Home; touche Right; touche Ctrl+T; =liste 0 12.00 boss -5 4|1 13.00 boss 3 -5|; "
              "touche Ctrl+T; =liste 1 13.00 boss 3 -5|0 12.00 boss -5 4|; "
              "=accessible table Table 18 2×5 [focus]: Ennemis du niveau — F2 : modifier la "
              "case. Suppr : supprimer les lignes choisies. Ctrl+C, Ctrl+D : les copier, les "
              "dupliquer. Ctrl+T : trier selon la colonne.; touche Shift+Tab; touche Escape; "
              "=visible ListeEnnemis non; touche Ctrl+L; =visible ListeEnnemis oui; =focus "
              "table");
        ligne("la liste : l'icône d'un ennemi le suit, sauf s'il change de type",
              "icône tank.ico; case 0 0; icône boss.ico; case 1 1; touche Ctrl+L; touche Delete; "
              "=case 1 1 bleu; touche Right; touche Right; touche F2; taper tank; touche Return; "
              "=case 1 1 vert");
        ligne("la frise : un clic choisit T et ses ennemis, les touches bougent T; elle suit",
              "écrire n.txt V|50|4|0\t12.00\tboss\t-5.00\t4.00\t-7|1\t12.50\ttank\t5.00\t-5.00"
              "\t-7|2\t12.99\ttank\t0.00\t0.00\t-7|3\t60.00\tboss\t0.00\t0.00\t-7|; » n.txt; "
              "touche Ctrl+O; FILTRE; touche Ctrl+L; touche Shift+Tab; =focus frise; touche Home; "
              "=texte tempsT 0; =case 0 1 blanc; frise 12; =texte tempsT 12; =choisies 0 1 2; "
              "=case 0 1 bleu; =case 10 10 vert; touche Right; =texte tempsT 13; =case 10 10 "
              "blanc; touche End; touche Right; =texte tempsT 50; touche Left; =texte tempsT 49; "
              "touche Home; touche Left; =texte tempsT 0; "
              "=bulle 12 s : 3 ennemis — boss, tank × 2; =bulle 13 s : aucun ennemi; =barre 12 "
              "autre; =barre 13 blanc; =barre 60 orange; frise 60; =texte tempsT 50; =choisies 3; "
              "frise 12; touche Delete; =barre 12 blanc; =barre 60 orange");
        ligne("copier, coller au temps T, dupliquer",
              "écrire n.txt été|50|2|DEUX_ENNEMIS; » n.txt; touche Ctrl+O; FILTRE; touche Ctrl+L; "
              "touche Ctrl+A; touche Ctrl+C; =presse-papiers 12.00\tboss\t-5.00\t4.00|50.00\ttank"
              "\t5.00\t-5.00|; touche Shift+Tab; touche End; touche Ctrl+V; =niveau été|50|4|"
              "DEUX_ENNEMIS2\t50.00\tboss\t-5.00\t4.00\t-7|3\t88.00\ttank\t5.00\t-5.00\t-7|; "
              "=texte Annuler1 &Annuler le collage de 2 ennemis; =case 0 1 bleu; =barre 88 orange; "
              "frise 12; touche Right; touche Ctrl+D; =texte Annuler1 &Annuler la duplication de "
              "« boss »; =case 0 1 bleu; =liste 0 12.00 boss -5 4|1 50.00 tank 5 -5|2 50.00 boss -5 "
              "4|3 88.00 tank 5 -5|4 13.00 boss -5 4|; =presse-papiers 12.00\tboss\t-5.00\t4.00|"
              "50.00\ttank\t5.00\t-5.00|");
        ligne("lire la vague : T suit l'horloge, les deux secondes d'avant pâlies; rien ne change",
              "écrire v.txt V|20|3|0\t12.00\tboss\t-5.00\t5.00\t-1|1\t13.00\ttank\t0.00\t0.00\t-1"
              "|2\t14.50\ttank\t5.00\t5.00\t-1|; » v.txt; touche Ctrl+O; FILTRE; T 12; touche F5; "
              "=case 0 0 bleu; horloge 999; =texte tempsT 12; horloge 1; =texte tempsT 13; =case 5 "
              "5 vert; =case 0 0 autre; =accessible Grille/0 Cell 0,0: x -5, y 5 : vide; horloge "
              "1000; =case 10 0 vert; =case 5 5 autre; =case 0 0 "
              "autre; horloge 1000; =case 0 0 blanc; touche Escape; =actif Arreterlalecture1 non; "
              "horloge 5000; =texte tempsT 15; =case 5 5 blanc; touche Ctrl+L; touche Tab; touche "
              "Tab; =focus vitesse; touche Down; touche Down; clic lire; =actif Arreterlalecture1 "
              "oui; horloge 250; =texte tempsT 13; frise 16; =actif Arreterlalecture1 non; horloge "
              "1000; =texte tempsT 16; clic lire; horloge 2000; =texte tempsT 20; =actif "
              "Arreterlalecture1 non; =actif Annuler1 non; touche F5; =texte tempsT 0; touche F5; "
              "horloge 1000; =texte tempsT 0; touche F5; » X; clic NomNiveau; =boîte saisie; "
              "horloge 1000; =texte tempsT 0; touche Ctrl+Z; menu Quitter1; =visible Form1 non");
        ligne("fermer : Ne pas tenir compte ferme sans rien écrire",
              "icône tank.ico; case 0 0; » Ne pas tenir compte; fermer; QUESTION; =dialogue "
              "aucun; =visible Form1 non");
        ligne("fermer : Enregistrer écrit puis ferme",
              "icône tank.ico; case 0 0; » Enregistrer; » a; fermer; QUESTION; SUCCÈS a.txt; "
              "=fichier a.txt UN_TANK.00|; =visible Form1 non");
        ligne("quitter : Annuler, ou Enregistrer sans rien écrire, reste",
              "icône tank.ico; case 0 0; » Annuler; menu Quitter1; QUESTION; » Enregistrer; »; "
              "menu Quitter1; QUESTION; FILTRE; » Enregistrer; » absent/n; menu Quitter1; "
              "QUESTION; =boîte erreur: Impossible d'écrire; =visible Form1 oui");
        ligne("le nom et la durée sont des changements",
              "» X; clic NomNiveau; =boîte saisie; » Annuler; menu Quitter1; =boîte question: "
              "Les modifications du niveau « X »; » Niveau_1; clic NomNiveau; =boîte saisie; "
              "durée 5; » Annuler; menu Quitter1; QUESTION; =visible Form1 oui");
        ligne("T, effacer et le fond ne changent que l'affichage",
              "icône tank.ico; case 0 0; » a; SOUS; SUCCÈS a.txt; T 5; » fond.bmp; menu "
              "background1; clic effacement; menu Quitter1; =visible Form1 non");
        ligne("niveaux récents : ouverts, écrits, en tête, une fois, huit, gardés",
              "=récents grisé; » a; SOUS; SUCCÈS a.txt; » absent/n; SOUS; =boîte erreur: "
              "Impossible d'écrire; =récents ~/a.txt; sh mkdir '<i>' && for n in 1 2 3 4 5 6 7 "
              "'&\t8'\ndo cp a.txt \"<i>/$n.txt\"\ndone; » <i>/1.txt; touche Ctrl+O; » <i>/2.txt; "
              "touche Ctrl+O; » <i>/3.txt; touche Ctrl+O; » <i>/4.txt; touche Ctrl+O; » <i>/5.txt; "
              "touche Ctrl+O; » <i>/6.txt; touche Ctrl+O; » <i>/7.txt; touche Ctrl+O; » "
              "<i>/&\t8.txt; touche Ctrl+O; sh cd .config/Ombrelin && grep -q 8.txt Ombrelin.conf "
              "&& ! grep -q a.txt Ombrelin.conf; » <i>/3.txt; touche Ctrl+O; redémarrer; =récents "
              "~/<i>/3.txt ~/<i>/& 8.txt ~/<i>/7.txt ~/<i>/6.txt ~/<i>/5.txt ~/<i>/4.txt "
              "~/<i>/2.txt ~/<i>/1.txt");
        ligne("niveaux récents : en choisir un l'ouvre comme Ouvrir un niveau, question comprise",
              "écrire m.txt m|10|0|; écrire n.txt n|50|2|DEUX_ENNEMIS; » m.txt; touche Ctrl+O; » "
              "n.txt; touche Ctrl+O; icône tank.ico; case 3 3; » Annuler; récent 2; =boîte "
              "question: Les modifications du niveau « n »; =compteur 3; » Ne pas tenir compte; "
              "récent 2; =boîte question; =niveau m|10|0|; =texte DureeMission 10; =récents "
              "~/m.txt ~/n.txt");
        ligne("niveaux récents : absent ou refusé, l'erreur, il quitte la liste, rien d'autre",
              "écrire m.txt m|10|0|; » m.txt; touche Ctrl+O; » a; SOUS; SUCCÈS a.txt; » b; SOUS; "
              "SUCCÈS b.txt; sh rm a.txt && echo x >b.txt; récent 2; NIVEAU a.txt; =récents "
              "~/b.txt ~/m.txt; récent 1; NIVEAU b.txt; =récents ~/m.txt; =niveau m|10|0|");
        ligne("niveaux récents : vider la liste la grise",
              "» a; SOUS; SUCCÈS a.txt; menu Viderlaliste1; =récents grisé; redémarrer; =récents "
              "grisé");
        ligne("lu à l'écran : chaque contrôle nommé; le nom du niveau se change au clavier",
              "=accessible DureeMission EditableText [focus]: Durée du niveau (secondes); "
              "=accessible tempsT SpinBox: Apparition au temps T (secondes); =accessible fichiers "
              "List: Icônes d'ennemis; =accessible dossiers List: Dossiers; =accessible Icone "
              "StaticText: Aperçu de l'icône choisie; =accessible labelNbEnn StaticText: nombre "
              "total d'ennemis : 0/100; =accessible effacement Button: Effacer ennemis — "
              "Uniquement a l'ecran !; =accessible Grille Table 121 11×11: Grille de placement — "
              "Flèches : changer de case. Espace ou Entrée : placer l'icône choisie.; » X; touche "
              "Tab; touche Return; =boîte saisie; »; touche Space; =boîte saisie; =accessible "
              "focus StaticText [focus]: Nom du niveau : X, cliquer pour le changer — Nom du "
              "niveau, clickez pour le changer !");
        ligne("lu à l'écran : la grille, un tableau; chaque case dit ce qu'elle montre",
              "icône tank.ico; =accessible Icone Graphic: Aperçu de l'icône choisie : tank.ico; "
              "case 0 0; icône boss.ico; case 0 0; =accessible focus Cell 0,0 [focus]: x -5, y 5 "
              ": tank, boss; touche Down, Right, Right; =accessible focus Cell 1,2 [focus]: x -3, "
              "y 4 : vide; touche Space; =accessible Grille/13 Cell 1,2 [focus]: x -3, y 4 : "
              "boss; =accessible Grille/120 Cell 10,10: x 5, y -5 : vide; touche Ctrl+Z; "
              "=accessible Grille/13 Cell 1,2 [focus]: x -3, y 4 : vide; » fond.bmp; menu "
              "background1; =accessible Grille/0 Cell 0,0: x -5, y 5 : vide; case 5 5; clic "
              "effacement; =accessible Grille/60 Cell 5,5: x 0, y 0 : vide");
        ligne("reprise : Entrée reprend la copie d'un éditeur tué, à enregistrer dans son fichier",
              "écrire n.txt N|100|0|; » n.txt; touche Ctrl+O; icône tank.ico; case 0 0; case 1 1; "
              "touche Ctrl+Z; durée 50; touche Tab; sh grep -q ^50. RÉCUP/*.txt; » -7; menu "
              "changerlaprofondeur1; =boîte saisie; sh touch -d '2026-12-08 17:42' RÉCUP/*.txt; » "
              "Entrée; redémarrer n.txt; =boîte question: Le niveau « N » (1 ennemi) du fichier « "
              "… /n.txt », modifié le 8 décembre 2026 à 17:42,ARRÊT; =niveau N|50|1|TANK_7; » "
              "Annuler; fermer; =boîte question: Les modifications du niveau « N »; touche Ctrl+S; "
              "=fichier n.txt N|50|1|TANK_7; sh test ! -e RÉCUP/*.txt");
        ligne(
            "reprise : Alt+S supprime, Échap garde, la plus récente d'abord; quitter supprime",
            "icône tank.ico; case 0 0; » Échap; redémarrer; =boîte question: Le niveau « "
            "Niveau_1 » (1 ennemi), modifié le … ARRÊT; » X; clic NomNiveau; =boîte saisie; "
            "redémarrer; =boîte question: Le niveau « X » (0 ennemi),; =boîte question: Le niveau "
            "« Niveau_1 »; » Alt+S; » Alt+S; redémarrer; =boîte question; =boîte question; "
            "icône tank.ico; case 0 0; » Ne pas tenir compte; fermer; QUESTION; redémarrer");
        ligne("reprise : jamais la copie d'un éditeur qui tourne; revenue au fichier, elle part",
              "écrire n.txt N|100|0|; » n.txt; touche Ctrl+O; icône tank.ico; case 0 0; lancer; "
              "=compteur 0; sh test -e RÉCUP/*.txt; » Entrée; redémarrer; =boîte question: Le "
              "niveau « N »; sh test -e RÉCUP/*.txt; menu Retirerledernierennemi1; sh test ! -e "
              "RÉCUP/*.txt; menu "
              "Quitter1; =visible Form1 "
              "non");
        ligne("reprise : une copie endommagée se supprime ou attend; liens et tubes ignorés",
              "écrire n.txt N|100|0|; sh mkdir -p RÉCUP && printf 'N\\r\\nabc' >RÉCUP/x.txt && "
              "touch -d '2026-12-01 09:05' RÉCUP/x.txt && ln -s $PWD/n.txt RÉCUP/l.txt && mkfifo "
              "RÉCUP/f.txt RÉCUP/y.lock && cp n.txt RÉCUP/y.txt; » Entrée; redémarrer; =boîte "
              "question: La copie de secours d'un niveau non enregistré, modifiée le 1er décembre "
              "2026 à 09:05, est endommagée :\nligne 2 : on attendait la durée de la mission, un "
              "entier de -99 à 999\nLa supprimer ?; » Alt+S; redémarrer; =boîte question; "
              "redémarrer; =compteur 0");
        ligne("un dossier de données où rien ne s'écrit : dit une fois, l'éditeur continue",
              "sh mkdir -p RÉCUP/.. && rmdir RÉCUP && touch RÉCUP; icône tank.ico; case 0 0; "
              "=boîte message: La copie de secours du niveau ne peut pas être écrite dans : … "
              "recuperation\nSi l'éditeur s'arrêtait brusquement, les modifications non "
              "enregistrées seraient perdues.; case 1 1; =compteur 2");
        ligne("aide",
              "menu Aide1; =visible Faide oui; =texte Faide Aide sur l'Ombrelin pour Quorvane; "
              "clic ButtonOK; =visible Faide non");
    }

    void scenario()
    {
        QFETCH(QString, etapes);
        jouer(etapes);
    }
};

QTEST_MAIN(TestFenetre)
#include "test_fenetre.moc"
