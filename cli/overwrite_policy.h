// How the overwrite question of a conversion gets its answer.
#pragma once

enum class OverwritePolicy {
    Ask, // on the terminal when standard input is one, else No
    Yes, // --yes
    No,  // --no
};
