// SPDX-License-Identifier: MIT
#include "game/Catalogue.h"

#include "app/sdimain.h"
#include "support/Coquille.h"

#include <gtest/gtest.h>

TEST(CheminCatalogue, GivesEachLetterOfAnAnimal) {
    EXPECT_EQ(CheminCatalogue(0, 0, 'G'), "./Savane/Tigre13G.bmp");
    EXPECT_EQ(CheminCatalogue(0, 0, 'D'), "./Savane/Tigre13D.bmp");
    EXPECT_EQ(CheminCatalogue(0, 0, 'I'), "./Savane/Tigre1.jpg");
    EXPECT_EQ(CheminCatalogue(0, 0, 'S'), "./Savane/Tigre_ou_cochon.wav");
    EXPECT_EQ(CheminCatalogue(0, 11, 'S'), "./Savane/Girafe.wav");
    EXPECT_EQ(CheminCatalogue(1, 0, 'G'), "./Polaire/Manchot02G.bmp");
}

TEST(CheminCatalogue, KeepsTheLowerCaseEndingsOfSomeSprites) {
    EXPECT_EQ(CheminCatalogue(0, 2, 'G'), "./Savane/Zebre1g.bmp");
    EXPECT_EQ(CheminCatalogue(0, 2, 'D'), "./Savane/Zebre1d.bmp");
    EXPECT_EQ(CheminCatalogue(0, 3, 'G'), "./Savane/Singe02g.bmp");
    EXPECT_EQ(CheminCatalogue(0, 3, 'D'), "./Savane/Singe02d.bmp");
}

TEST(CheminCatalogue, EachEnvironmentEndsAtItsOwnCount) {
    EXPECT_EQ(CheminCatalogue(1, 9, 'I'), "./Polaire/Rennes.jpg");
    EXPECT_EQ(CheminCatalogue(1, 10, 'I'), "");
    EXPECT_EQ(CheminCatalogue(0, 10, 'I'), "./Savane/Singe03.jpg");
    EXPECT_EQ(CheminCatalogue(0, 12, 'G'), "");
}

TEST(CheminCatalogue, AnythingElseGivesTheEmptyText) {
    EXPECT_EQ(CheminCatalogue(0, 2, 'g'), "");
    EXPECT_EQ(CheminCatalogue(0, 0, 's'), "");
    EXPECT_EQ(CheminCatalogue(0, 0, '\0'), "");
    EXPECT_EQ(CheminCatalogue(0, 0, 'X'), "");
    EXPECT_EQ(CheminCatalogue(0, -1, 'G'), "");
    EXPECT_EQ(CheminCatalogue(1, -1, 'G'), "");
    EXPECT_EQ(CheminCatalogue(2, 0, 'G'), "");
    EXPECT_EQ(CheminCatalogue(-1, 0, 'G'), "");
}

using CheminAnimalTest = CoquilleTest;

TEST_F(CheminAnimalTest, LooksUpTheWindowsEnvironment) {
    TSDIAppForm fenetre;
    fenetre.TypeJeu = 1;
    EXPECT_EQ(CheminAnimal(&fenetre, 9, 'I'), "./Polaire/Rennes.jpg");
    EXPECT_EQ(CheminAnimal(&fenetre, 10, 'I'), "");
    fenetre.TypeJeu = 0;
    EXPECT_EQ(CheminAnimal(&fenetre, 10, 'I'), "./Savane/Singe03.jpg");
    fenetre.TypeJeu = 2;
    EXPECT_EQ(CheminAnimal(&fenetre, 0, 'G'), "");
}
