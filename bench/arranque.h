#pragma once

namespace tecladas::banco {

/// When this program was started again by the start-up benchmark, runs what that child has to
/// run and returns true with its exit code in `codigo`; otherwise returns false.
bool ejecutarComoHijo(int argc, char** argv, int& codigo);

} // namespace tecladas::banco
