#include "app/willkommen.h"

std::vector<std::string> willkommenstext() {
    return {
        "Welcome to Clavora, your course in touch typing!",
        "",
        "Start the course with \"Start\" on the main screen. Every lesson opens with a short "
        "text that describes its aim: which new keys you learn and which finger strikes them.",
        "Each lesson begins with the letter exercise. Type the letter that is shown, with the "
        "finger of the same colour, and try not to look at the keyboard. Letters you type wrongly "
        "are practised more often.",
        "When you reach the performance step of a lesson, the word exercise follows: lines of "
        "words and sentences, typed character by character.",
        "The right mouse button opens a menu with the important functions of every screen.",
        "",
        "Good luck!",
    };
}
