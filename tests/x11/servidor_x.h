#pragma once

#include <QString>

#include <sys/types.h>

namespace tecladas::prueba {

/// A private Xvfb display for the tests that need a real X11 server, so that synthetic keys
/// never reach the user's own desktop. Stopped with the object.
class ServidorX {
public:
    ServidorX();
    ~ServidorX();
    ServidorX(const ServidorX&) = delete;
    ServidorX& operator=(const ServidorX&) = delete;

    bool arrancado() const { return pid_ > 0; }
    /// Why the server could not be started, for the skip message.
    const QString& fallo() const { return fallo_; }

private:
    pid_t pid_ = -1;
    QString fallo_;
};

} // namespace tecladas::prueba
