#ifndef OMBRELIN_DOSSIER_TEMPORAIRE_H
#define OMBRELIN_DOSSIER_TEMPORAIRE_H

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// Runs each test in a fresh current directory: the scratch file "ennemi.tmp" goes there.
class DansDossierTemporaire : public ::testing::Test {
protected:
    void SetUp() override
    {
        precedent_ = std::filesystem::current_path();
        std::string modele = (std::filesystem::temp_directory_path() / "ombrelin-XXXXXX").string();
        ASSERT_NE(mkdtemp(modele.data()), nullptr);
        dossier_ = modele;
        std::filesystem::current_path(dossier_);
    }

    void TearDown() override
    {
        std::filesystem::current_path(precedent_);
        std::filesystem::remove_all(dossier_);
    }

    static std::string lire(const std::filesystem::path& chemin)
    {
        std::ifstream fichier(chemin, std::ios::binary);
        return {std::istreambuf_iterator<char>(fichier), std::istreambuf_iterator<char>()};
    }

    static void ecrire(const std::filesystem::path& chemin, const std::string& contenu)
    {
        std::ofstream(chemin, std::ios::binary) << contenu;
    }

    std::filesystem::path dossier_;

private:
    std::filesystem::path precedent_;
};

#endif
