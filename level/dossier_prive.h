#ifndef OMBRELIN_DOSSIER_PRIVE_H
#define OMBRELIN_DOSSIER_PRIVE_H

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A folder of the user's own, mode 0700, whose files (mode 0600) are replaced whole and are never
// a link, a FIFO or a device followed or opened. Each call names the folder again: a folder
// removed meanwhile makes writing fail instead of writing where nobody will look.

// Creates dossier and its missing parents with mode 0700, or narrows the user's own folder to
// 0700; false when it is a link, not a folder, or another user's.
bool preparerDossierPrive(const std::string& dossier);

// Writes contenu to dossier/nom under a fresh temporary name, then renames it over nom: a reader
// sees the previous file or the new one, whole. Not flushed to disk: see synchroniserPrive.
bool ecrirePrive(const std::string& dossier, const std::string& nom, const std::string& contenu);

// Flushes to disk each of the named regular files that exists, then the folder's own entries.
void synchroniserPrive(const std::string& dossier, const std::vector<std::string>& noms);

// The bytes of dossier/nom when it is a regular file of at most taille bytes; nothing else is
// opened.
std::optional<std::string> lirePrive(const std::string& dossier, const std::string& nom,
                                     std::size_t taille);

// Removes dossier/nom, which may be missing already; a link is removed, never what it names.
bool supprimerPrive(const std::string& dossier, const std::string& nom);

// Whether dossier/nom is missing or a regular file, never a link, a FIFO or a device.
bool absentOuOrdinaire(const std::string& dossier, const std::string& nom);

struct FichierPrive {
    std::string nom;
    std::int64_t modifie; // nanoseconds since the epoch
};

// The regular files of dossier whose names end with suffixe, newest first, hidden ones left out.
std::vector<FichierPrive> fichiersPrives(const std::string& dossier, const std::string& suffixe);

#endif
