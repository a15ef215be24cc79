#pragma once
/// @file
/// The runtime's random-number generator: uniform in [0, 1), seedable, scriptable by tests.

#include <vector>

namespace vb {

/// The next number of the generator, uniform in [0, 1). Numbers queued by ScriptRnd come
/// first, in order.
float Rnd();

/// Seeds the generator from the time of day (seconds since midnight of the host's clock).
/// The time is mixed into the generator's state rather than replacing it, so two calls at
/// the same clock reading still lead to different numbers. Without a host the generator
/// starts again from a fixed seed.
void Randomize();

/// Seeds the generator from @p seed alone: the same seed gives the same sequence.
void Randomize(double seed);

/// Queues numbers that the next calls of Rnd return before the generator is drawn again.
/// Each must lie in [0, 1), or std::invalid_argument is thrown and none of @p values is
/// queued. Rnd returns each as the nearest float not above it. Tests use this to choose the
/// dice.
void ScriptRnd(const std::vector<double>& values);

/// Drops every scripted number not yet returned.
void ClearScriptedRnd();

/// The scripted number that gives face @p face (1..@p faces) for Int(faces * r) + 1: the
/// middle of the face's interval, (face - 0.5) / faces. Throws std::invalid_argument for a
/// face the die does not have.
double RndForFace(int face, int faces = 6);

}  // namespace vb
