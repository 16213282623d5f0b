#include "ui/escritorio/entorno.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPromise>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <utility>

namespace tecladas {
namespace {

using namespace Qt::StringLiterals;

/// The real desktop seam, with Qt's Spanish texts loaded as the program loads them.
class EntornoEscritorioTest : public ::testing::Test {
protected:
    /// Runs `abrir`, which opens a modal dialog, and returns what the dialog showed: its title,
    /// the text and icon of a message; the filters, chosen name and kind of `disfrazado` of a file
    /// dialog; the captions of its buttons.
    /// Then closes the dialog, as its Cancel button would, or types `nombre` into a file dialog and
    /// opens it; any box the dialog opens in its turn is shown and closed as well.
    QStringList mostrado(const std::function<void()>& abrir, QString nombre = {}) const {
        QStringList visto;
        QTimer sondeo;
        sondeo.setInterval(10);
        QObject::connect(&sondeo, &QTimer::timeout, [&] {
            auto* dialogo = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialogo == nullptr) {
                return;
            }
            visto << dialogo->windowTitle();
            if (auto* caja = qobject_cast<QMessageBox*>(dialogo)) {
                visto << caja->text() << QString::number(caja->icon());
            } else if (auto* archivos = qobject_cast<QFileDialog*>(dialogo)) {
                visto << archivos->nameFilters() << archivos->selectedFiles().value(0)
                      << archivos->iconProvider()->type(QFileInfo(disfrazado));
            } else if (auto* progreso = qobject_cast<QProgressDialog*>(dialogo)) {
                visto << progreso->labelText();
            }
            for (const QAbstractButton* b : dialogo->findChildren<QAbstractButton*>()) {
                visto << (b->isVisible() ? b->text() : QString());
            }
            visto.removeAll(QString());
            auto* archivos = qobject_cast<QFileDialog*>(dialogo);
            if (archivos != nullptr && !nombre.isEmpty()) {
                archivos->findChild<QLineEdit*>(u"fileNameEdit"_s)->setText(std::exchange(nombre, {}));
                QMetaObject::invokeMethod(archivos, &QDialog::accept, Qt::QueuedConnection);
            } else if (auto* cancelar = qobject_cast<QProgressDialog*>(dialogo)
                                            ? dialogo->findChild<QAbstractButton*>()
                                            : nullptr) {
                cancelar->click();
            } else {
                dialogo->done(QDialog::Rejected);
            }
        });
        sondeo.start();
        abrir();
        sondeo.stop();
        return visto;
    }

    /// Two files without an extension: a PDF in disguise and some bytes that tell nothing.
    QString escribir(const char* nombre, const QByteArray& bytes) const {
        QFile archivo(sondas.filePath(QString::fromLatin1(nombre)));
        EXPECT_TRUE(archivo.open(QIODevice::WriteOnly) && archivo.write(bytes) == bytes.size());
        return archivo.fileName();
    }

    EntornoEscritorio entorno;
    QWidget padre;
    const QTemporaryDir sondas;
    const QString disfrazado = escribir("datos", "%PDF-1.4\n");
    const QString anonimo = escribir("otros", "\x01\x02\x03");
};

TEST_F(EntornoEscritorioTest, MessagesBearTheirTitleAndIconAndOnlyASpanishOkButton) {
    EXPECT_EQ(mostrado([&] { entorno.mostrarMensaje(&padre, u"Hola"_s); }),
              QStringList({u"Tecladas"_s, u"Hola"_s, QString::number(QMessageBox::NoIcon), u"Aceptar"_s}));
    EXPECT_EQ(mostrado([&] { entorno.mostrarError(&padre, u"Hola"_s); }),
              QStringList({u"Error"_s, u"Hola"_s, QString::number(QMessageBox::Warning), u"Aceptar"_s}));
    bool si = true;
    EXPECT_EQ(mostrado([&] { si = entorno.preguntar(&padre, u"¿Borrar?"_s); }),
              QStringList({u"Tecladas"_s, u"¿Borrar?"_s, QString::number(QMessageBox::Question), u"&Sí"_s,
                           u"&No"_s}));
    EXPECT_FALSE(si) << "closing the question answers No";
}

TEST_F(EntornoEscritorioTest, AReadThatTakesLongShowsItsProgressAndIsCancelled) {
    QPromise<void> nunca; // a read that never ends
    nunca.start();
    bool terminada = true;
    EXPECT_EQ(mostrado([&] { terminada = entorno.esperarCarga(&padre, nunca.future()); }),
              QStringList({u"Tecladas"_s, u"Cargando el archivo…"_s, u"Cancelar"_s}));
    EXPECT_FALSE(terminada);
    QPromise<void> breve; // one over at once: no box flashes
    breve.start();
    QTimer::singleShot(50, [&] { breve.finish(); });
    EXPECT_EQ(mostrado([&] { terminada = entorno.esperarCarga(&padre, breve.future()); }), QStringList());
    EXPECT_TRUE(terminada);
}

TEST_F(EntornoEscritorioTest, ATypedNameGoesThroughTheFileDialogsWhichSayFolderInSpanish) {
    QString elegido = u"nada"_s;
    const QStringList dialogo =
        mostrado([&] { elegido = entorno.elegirArchivo(&padre, u"Cargar"_s, u"Textos (*.txt)"_s); });
    EXPECT_TRUE(elegido.isEmpty() && dialogo.contains(u"Textos (*.txt)"_s))
        << dialogo.join(u'|').toStdString();
    const QStringList guardar = mostrado([&] {
        elegido =
            entorno.elegirDestino(&padre, u"PDF"_s, QDir::temp().filePath(u"a.pdf"_s), u"PDF (*.pdf)"_s);
    });
    EXPECT_TRUE(elegido.isEmpty() && guardar.contains(QDir::temp().filePath(u"a.pdf"_s)))
        << guardar.join(u'|').toStdString();
    // A file's kind comes from its name alone: reading it could block on the kernel's log.
    for (const QStringList& visto : {dialogo, guardar}) {
        EXPECT_TRUE(visto.contains(QFileIconProvider().type(QFileInfo(anonimo))) &&
                    !visto.contains(QFileIconProvider().type(QFileInfo(disfrazado))))
            << visto.join(u'|').toStdString();
    }
    EXPECT_EQ(QFileIconProvider().type(QFileInfo(QDir::tempPath())), u"Carpeta"_s) << "a word Qt lacks";

    const QTemporaryDir carpeta;
    const QString falta = carpeta.filePath(u"no-existe.txt"_s);
    const QStringList respuesta = mostrado([&] { elegido = entorno.elegirArchivo(&padre, {}, {}); }, falta);
    EXPECT_EQ(elegido, falta) << "a typed name is left to the window to refuse: "
                              << respuesta.join(u'|').toStdString();
}

} // namespace
} // namespace tecladas
