#include <SDL_mixer.h>
