#!/usr/bin/env python3
"""Dessine les images d'exemple d'Ombrelin : icônes d'ennemis, terrain et icônes de l'application.

Bibliothèque standard seulement, pour que chacun puisse les refaire à l'identique :
    python3 outils/dessiner_images.py
"""
import math
import struct
import zlib
from pathlib import Path

RACINE = Path(__file__).resolve().parent.parent
TRANSPARENT = (0, 0, 0, 0)


class Toile:
    """Image RGBA carrée ; les primitives travaillent dans un repère 32×32 mis à l'échelle de la taille."""

    def __init__(self, taille=32):
        self.taille = taille
        self.echelle = taille / 32
        self.pixels = [[TRANSPARENT] * taille for _ in range(taille)]

    def forme(self, dedans, couleur):
        """Peint chaque pixel dont le centre vérifie dedans(x, y)."""
        couleur = tuple(couleur) + (255,) * (4 - len(couleur))
        for py in range(self.taille):
            for px in range(self.taille):
                if dedans((px + 0.5) / self.echelle, (py + 0.5) / self.echelle):
                    self.pixels[py][px] = couleur

    def rectangle(self, x0, y0, x1, y1, couleur):
        self.forme(lambda x, y: x0 <= x < x1 and y0 <= y < y1, couleur)

    def disque(self, cx, cy, rayon, couleur):
        self.forme(lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= rayon**2, couleur)

    def polygone(self, points, couleur):
        self.forme(lambda x, y: dans_polygone(points, x, y), couleur)

    def trait(self, x0, y0, x1, y1, epaisseur, couleur):
        self.forme(lambda x, y: distance_segment(x, y, x0, y0, x1, y1) <= epaisseur / 2, couleur)

    def arc(self, cx, cy, rayon, degres_debut, degres_fin, epaisseur, couleur):
        def dedans(x, y):
            angle = math.degrees(math.atan2(y - cy, x - cx)) % 360
            return degres_debut <= angle <= degres_fin and abs(math.hypot(x - cx, y - cy) - rayon) <= epaisseur / 2

        self.forme(dedans, couleur)

    def contour(self, couleur):
        """Entoure la silhouette opaque d'un liseré d'un pixel (deux à 64 px) pour qu'elle ressorte sur tout fond."""
        for _ in range(round(self.echelle)):
            a_peindre = [
                (px, py)
                for py in range(self.taille)
                for px in range(self.taille)
                if self.pixels[py][px][3] == 0 and self._touche_opaque(px, py)
            ]
            for px, py in a_peindre:
                self.pixels[py][px] = tuple(couleur) + (255,)

    def _touche_opaque(self, px, py):
        voisins = ((px + dx, py + dy) for dx in (-1, 0, 1) for dy in (-1, 0, 1))
        return any(0 <= x < self.taille and 0 <= y < self.taille and self.pixels[y][x][3] for x, y in voisins)


def dans_polygone(points, x, y):
    """Règle pair-impair : compte les côtés croisés par une demi-droite horizontale."""
    dedans = False
    for (xa, ya), (xb, yb) in zip(points, points[1:] + points[:1]):
        if (ya > y) != (yb > y) and x < xa + (y - ya) * (xb - xa) / (yb - ya):
            dedans = not dedans
    return dedans


def distance_segment(x, y, x0, y0, x1, y1):
    dx, dy = x1 - x0, y1 - y0
    t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy or 1)))
    return math.hypot(x - x0 - t * dx, y - y0 - t * dy)


def miroir(points):
    """Symétrique gauche-droite autour de x = 16, pour les formes symétriques."""
    return [(32 - x, y) for x, y in points]


# --- Formats de fichiers -------------------------------------------------------------------------------------------


def octets_ico(toile, bits=32):
    """Une seule image : en-tête BMP à hauteur doublée, pixels de bas en haut, puis masque ET.

    En 32 bpp les pixels sont en BGRA ; en 8 ou 4 bpp (256 ou 16 couleurs) ce sont des indices dans
    une palette, le noir en tête pour les pixels transparents.
    """
    taille = toile.taille
    lignes = list(reversed(toile.pixels))
    if bits == 32:
        palette = b""
        xor = bytes(c for ligne in lignes for r, g, b, a in ligne for c in ((b, g, r, a) if a else TRANSPARENT))
    else:
        noir = (0, 0, 0)
        couleurs = [noir] + sorted({pixel[:3] for ligne in lignes for pixel in ligne if pixel[3]} - {noir})
        if len(couleurs) > 2**bits:
            raise ValueError(f"{len(couleurs)} couleurs : trop pour {bits} bits par pixel")
        indice = {couleur: i for i, couleur in enumerate(couleurs)}
        couleurs += [noir] * (2**bits - len(couleurs))
        palette = bytes(c for r, g, b in couleurs for c in (b, g, r, 0))
        largeur_ligne = (taille * bits + 31) // 32 * 4
        xor = bytearray()
        for ligne in lignes:
            rangee = bytearray(largeur_ligne)
            for px, pixel in enumerate(ligne):
                i = indice[pixel[:3]] if pixel[3] else 0
                rangee[px * bits // 8] |= i << (8 - bits - px * bits % 8)
            xor += rangee
    largeur_masque = (taille + 31) // 32 * 4
    masque = bytearray()
    for ligne in lignes:
        rangee = bytearray(largeur_masque)
        for px, pixel in enumerate(ligne):
            if pixel[3] == 0:
                rangee[px // 8] |= 0x80 >> (px % 8)
        masque += rangee
    image = struct.pack("<IiiHHIIiiII", 40, taille, 2 * taille, 1, bits, 0, len(xor) + len(masque), 0, 0, 0, 0)
    image += palette + xor + masque
    nb_couleurs = 2**bits if bits < 8 else 0  # 0 : 256 couleurs ou plus
    entree = struct.pack("<BBBBHHII", taille % 256, taille % 256, nb_couleurs, 0, 1, bits, len(image), 6 + 16)
    return struct.pack("<HHH", 0, 1, 1) + entree + image


def octets_png(toile):
    def bloc(genre, donnees):
        return struct.pack(">I", len(donnees)) + genre + donnees + struct.pack(">I", zlib.crc32(genre + donnees))

    brut = b"".join(b"\0" + bytes(c for pixel in ligne for c in pixel) for ligne in toile.pixels)
    entete = struct.pack(">IIBBBBB", toile.taille, toile.taille, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + bloc(b"IHDR", entete) + bloc(b"IDAT", zlib.compress(brut, 9)) + bloc(b"IEND", b"")


def octets_bmp(lignes):
    """BMP 24 bits sans compression, lignes de bas en haut complétées à 4 octets."""
    hauteur, largeur = len(lignes), len(lignes[0])
    bourrage = bytes(-largeur * 3 % 4)
    pixels = b"".join(bytes(c for r, g, b in ligne for c in (b, g, r)) + bourrage for ligne in reversed(lignes))
    entete = struct.pack("<IiiHHIIiiII", 40, largeur, hauteur, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return b"BM" + struct.pack("<IHHI", 14 + len(entete) + len(pixels), 0, 0, 14 + len(entete)) + entete + pixels


# --- Ennemis (32×32, fond transparent) ------------------------------------------------------------------------------


def tank(t):
    t.rectangle(5, 21, 27, 29, (62, 66, 36))
    t.disque(5, 25, 4, (62, 66, 36))
    t.disque(27, 25, 4, (62, 66, 36))
    for x in (6, 11, 16, 21, 26):
        t.disque(x, 25, 2.3, (160, 160, 120))
        t.disque(x, 25, 0.8, (62, 66, 36))
    t.polygone([(2, 21), (6, 15), (27, 15), (30, 21)], (112, 126, 48))
    t.rectangle(7, 16, 26, 17, (150, 164, 80))
    t.trait(19, 11.5, 29.5, 11.5, 2.6, (82, 92, 38))
    t.polygone([(8, 15), (10.5, 8), (20, 8), (22.5, 15)], (132, 146, 58))
    t.rectangle(12, 6, 17, 8, (100, 112, 44))
    t.contour((36, 40, 16))


def chasseur(t):
    t.polygone([(16, 9), (30, 21), (30, 25), (16, 20), (2, 25), (2, 21)], (28, 76, 190))
    t.polygone([(16, 21), (23, 28), (23, 30.5), (16, 28), (9, 30.5), (9, 28)], (28, 76, 190))
    t.polygone([(16, 1.5), (19, 10), (19, 26), (16, 29), (13, 26), (13, 10)], (46, 112, 228))
    t.polygone([(16, 6), (17.6, 10), (17.6, 14), (14.4, 14), (14.4, 10)], (176, 224, 255))
    t.rectangle(4, 21.5, 7, 23, (230, 236, 245))
    t.rectangle(25, 21.5, 28, 23, (230, 236, 245))
    t.contour((14, 30, 84))


def drone(t):
    t.trait(6.5, 6.5, 25.5, 25.5, 3, (84, 88, 96))
    t.trait(25.5, 6.5, 6.5, 25.5, 3, (84, 88, 96))
    for x, y in ((6.5, 6.5), (25.5, 6.5), (6.5, 25.5), (25.5, 25.5)):
        t.disque(x, y, 5.5, (196, 200, 206))
        t.trait(x - 4.5, y, x + 4.5, y, 1.4, (110, 114, 122))
        t.disque(x, y, 1.3, (60, 63, 70))
    t.disque(16, 16, 7.5, (132, 137, 148))
    t.disque(16, 16, 3.5, (58, 62, 72))
    t.disque(15, 15, 1.2, (120, 220, 255))
    t.contour((40, 43, 50))


def croiseur(t):
    t.polygone([(2, 17), (24, 17), (30.5, 21.5), (24, 26), (2, 26)], (116, 56, 168))
    t.polygone([(6, 17), (8.5, 12), (18, 12), (21, 17)], (156, 100, 210))
    t.rectangle(10, 9, 15, 12, (156, 100, 210))
    t.rectangle(11, 10, 14, 11, (200, 240, 255))
    t.trait(12.5, 4, 12.5, 9, 1.1, (90, 40, 130))
    t.trait(18, 14, 24.5, 13, 1.3, (90, 40, 130))
    t.rectangle(3, 20.5, 27, 21.5, (206, 170, 236))
    for x in (6, 10, 14, 18, 22):
        t.rectangle(x, 23, x + 1.2, 24.2, (226, 214, 250))
    t.rectangle(1, 18.5, 2.5, 24.5, (120, 230, 255))
    t.contour((48, 18, 72))


def mine(t):
    for angle in range(0, 360, 45):
        dx, dy = math.cos(math.radians(angle)), math.sin(math.radians(angle))
        t.trait(16, 16, 16 + 12.5 * dx, 16 + 12.5 * dy, 2.6, (30, 30, 34))
        t.disque(16 + 13 * dx, 16 + 13 * dy, 1.7, (30, 30, 34))
    t.disque(16, 16, 8.5, (38, 38, 44))
    t.disque(13, 13, 2.2, (112, 112, 124))
    t.disque(16, 16, 1.8, (255, 176, 0))
    t.contour((0, 0, 0))


def boss(t):
    t.polygone([(4, 12), (1.5, 1.5), (11, 6)], (224, 104, 16))
    t.polygone(miroir([(4, 12), (1.5, 1.5), (11, 6)]), (224, 104, 16))
    t.polygone([(8, 4), (24, 4), (30, 11), (30, 22), (23, 29.5), (9, 29.5), (2, 22), (2, 11)], (240, 180, 32))
    t.polygone([(10, 7), (22, 7), (27, 13), (23, 18), (9, 18), (5, 13)], (228, 124, 24))
    oeil = [(8, 11), (14.5, 13), (14.5, 16), (9, 14.5)]
    t.polygone(oeil, (64, 24, 8))
    t.polygone(miroir(oeil), (64, 24, 8))
    t.disque(12, 14, 1, (255, 244, 130))
    t.disque(20, 14, 1, (255, 244, 130))
    t.rectangle(9, 21, 23, 26, (64, 24, 8))
    for x in range(9, 23, 3):
        t.polygone([(x, 21), (x + 3, 21), (x + 1.5, 24)], (255, 226, 120))
    t.contour((92, 44, 4))


ENNEMIS = {"tank": tank, "chasseur": chasseur, "drone": drone, "croiseur": croiseur, "mine": mine, "boss": boss}


# --- Icônes de l'application ---------------------------------------------------------------------------------------


def ombrelle(t, toile, nervure, manche):
    """Ombrelle vue de côté : dôme festonné, nervures, pommeau, manche en crosse."""
    festons = (6.25, 12.75, 19.25, 25.75)

    def dome(x, y):
        return (x - 16) ** 2 + (y - 17) ** 2 <= 13**2 and y < 17 and all(
            (x - fx) ** 2 + (y - 18.5) ** 2 > 3.4**2 for fx in festons
        )

    t.forme(dome, toile)
    for bas in (9.5, 22.5):
        t.trait(16, 4.5, bas, 16, 1.1, nervure)
    t.trait(16, 2, 16, 5, 1.6, manche)
    t.trait(16, 15, 16, 26, 1.6, manche)
    t.arc(13.5, 26, 2.5, 0, 180, 1.6, manche)


def fenetre():
    """Icône de fenêtre : ombrelle bleu nuit sur fond clair."""
    t = Toile()
    fond = (228, 236, 248)
    t.rectangle(1, 3, 31, 29, fond)
    t.rectangle(3, 1, 29, 31, fond)
    for x, y in ((3, 3), (29, 3), (3, 29), (29, 29)):
        t.disque(x, y, 2, fond)
    ombrelle(t, (24, 40, 118), (70, 100, 180), (40, 40, 60))
    t.contour((96, 116, 150))
    return t


def ombrelin(taille):
    """Icône de l'exécutable : ombrelle dorée sur une grille, en aplats de peu de couleurs."""
    t = Toile(taille)
    t.rectangle(1, 1, 31, 31, (0, 0, 128))
    for pos in (8, 16, 24):
        t.rectangle(pos - 0.5, 1, pos + 0.5, 31, (0, 128, 128))
        t.rectangle(1, pos - 0.5, 31, pos + 0.5, (0, 128, 128))
    ombrelle(t, (255, 200, 0), (160, 110, 0), (192, 192, 192))
    t.contour((0, 0, 0))
    return t


# --- Terrain 363×363 (11 cases de 32 px + traits de 1 px) ------------------------------------------------------------

HERBE, TERRE, BOSQUET = (184, 200, 150), (204, 192, 156), (140, 164, 112)
EAU, EAU_PROFONDE, RIVE = (168, 198, 210), (136, 172, 192), (206, 198, 168)
ROUTE, BORD_ROUTE, PONT = (214, 204, 178), (176, 162, 132), (170, 142, 108)
CENTRE_CASE = 5 * 33 + 16  # milieu de la case (5, 5)


def hachage(ix, iy, graine):
    n = (ix * 374761393 + iy * 668265263 + graine * 2246822519) & 0xFFFFFFFF
    n = ((n ^ (n >> 13)) * 1274126177) & 0xFFFFFFFF
    return (n ^ (n >> 16)) / 0xFFFFFFFF


def bruit(x, y, pas, graine):
    """Bruit de valeurs lissé : des taches douces, identiques à chaque exécution."""
    gx, gy = x / pas, y / pas
    ix, iy = int(gx), int(gy)
    fx, fy = gx - ix, gy - iy
    fx, fy = fx * fx * (3 - 2 * fx), fy * fy * (3 - 2 * fy)
    haut = hachage(ix, iy, graine) * (1 - fx) + hachage(ix + 1, iy, graine) * fx
    bas = hachage(ix, iy + 1, graine) * (1 - fx) + hachage(ix + 1, iy + 1, graine) * fx
    return haut * (1 - fy) + bas * fy


def melange(a, b, t):
    return tuple(round(ca + (cb - ca) * t) for ca, cb in zip(a, b))


def couleur_terrain(px, py):
    x, y = px + 0.5, py + 0.5
    couleur = melange(HERBE, TERRE, 0.7 * bruit(x, y, 70, 1) + 0.3 * bruit(x, y, 19, 2))
    if 0.75 * bruit(x, y, 37, 3) + 0.25 * bruit(x, y, 11, 4) > 0.64:
        couleur = melange(couleur, BOSQUET, 0.7)

    ecart_riviere = abs(x - (82 + 24 * math.sin(y / 47) + 8 * math.sin(y / 13 + 1)))
    demi_largeur = 10 + 2 * math.sin(y / 29)
    if ecart_riviere < demi_largeur:
        couleur = melange(EAU_PROFONDE, EAU, ecart_riviere / demi_largeur)
    elif ecart_riviere < demi_largeur + 3:
        couleur = RIVE

    ecart_route = abs(y - (286 + 7 * math.sin(x / 53)))
    if ecart_route < 4.5:
        couleur = PONT if ecart_riviere < demi_largeur + 3 else ROUTE
    elif ecart_route < 5.5:
        couleur = BORD_ROUTE

    dx, dy = x - CENTRE_CASE, y - CENTRE_CASE
    if abs(math.hypot(dx, dy) - 10) < 0.8 or min(abs(dx), abs(dy)) < 0.6 and max(abs(dx), abs(dy)) < 4:
        couleur = melange(couleur, (0, 0, 0), 0.15)

    grain = hachage(px, py, 9) * 8 - 4  # léger grain pour casser les aplats
    return tuple(max(0, min(255, round(c + grain))) for c in couleur)


def terrain(taille=363):
    return [[couleur_terrain(px, py) for px in range(taille)] for py in range(taille)]


def ecrire(chemin, octets):
    chemin = RACINE / chemin
    chemin.parent.mkdir(parents=True, exist_ok=True)
    chemin.write_bytes(octets)
    print(f"{chemin.relative_to(RACINE)} ({len(octets)} octets)")


def main():
    for nom, dessiner in ENNEMIS.items():
        toile = Toile()
        dessiner(toile)
        ecrire(f"icones/{nom}.ico", octets_ico(toile))
    ecrire("icones/terrain.bmp", octets_bmp(terrain()))
    ecrire("editor/ressources/fenetre.ico", octets_ico(fenetre(), bits=8))
    ecrire("editor/ressources/ombrelin.ico", octets_ico(ombrelin(32), bits=4))
    ecrire("editor/ressources/ombrelin.png", octets_png(ombrelin(32)))
    ecrire("editor/ressources/ombrelin-64.png", octets_png(ombrelin(64)))


if __name__ == "__main__":
    main()
