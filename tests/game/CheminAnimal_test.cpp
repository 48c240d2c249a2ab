// SPDX-License-Identifier: MIT
#include "game/CheminAnimal.h"

#include "app/sdimain.h"
#include "support/Coquille.h"

#include <gtest/gtest.h>

using CheminAnimalTest = CoquilleTest;

TEST_F(CheminAnimalTest, LooksUpTheWindowsEnvironment) {
    TSDIAppForm fenetre;
    fenetre.TypeJeu = 1;
    EXPECT_EQ(CheminAnimal(&fenetre, 9, 'I'), CheminCatalogue(1, 9, 'I'));
    EXPECT_EQ(CheminAnimal(&fenetre, 10, 'I'), "");
    fenetre.TypeJeu = 0;
    EXPECT_EQ(CheminAnimal(&fenetre, 10, 'I'), CheminCatalogue(0, 10, 'I'));
    EXPECT_NE(CheminAnimal(&fenetre, 10, 'I'), "");
    fenetre.TypeJeu = kNbEnvironnements;
    EXPECT_EQ(CheminAnimal(&fenetre, 0, 'G'), "");
}
