#include "ui/entorno.h"

#include "ui/caja_referencia.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace tecladas {
namespace {

using namespace Qt::StringLiterals;

/// The real desktop seam, with Qt's Spanish texts loaded as the program loads them. Each test
/// reads the modal dialog while it is open, then closes it.
class EntornoEscritorioTest : public ::testing::Test {
protected:
    /// Runs `mirar` on the modal dialog as soon as it is open.
    static void alAbrirse(std::function<void(QWidget*)> mirar) {
        auto* sondeo = new QTimer(qApp);
        sondeo->setInterval(10);
        QObject::connect(sondeo, &QTimer::timeout, [sondeo, mirar = std::move(mirar)] {
            if (QWidget* dialogo = QApplication::activeModalWidget()) {
                sondeo->stop();
                sondeo->deleteLater();
                mirar(dialogo);
            }
        });
        sondeo->start();
    }
    static QStringList botones(const QWidget* dialogo) {
        QStringList textos;
        for (const QAbstractButton* b : dialogo->findChildren<QAbstractButton*>()) {
            if (b->isVisible() && !b->text().isEmpty()) {
                textos.append(b->text());
            }
        }
        return textos;
    }

    EntornoEscritorio entorno;
    QWidget padre;
};

TEST_F(EntornoEscritorioTest, MessagesAreModalWithOnlyASpanishOkButton) {
    // A message bears the application's title and no icon; an error, "Error" and the warning icon.
    const struct {
        void (Entorno::*mostrar)(QWidget*, const QString&);
        QString titulo;
        QMessageBox::Icon icono;
    } casos[] = {{&Entorno::mostrarMensaje, u"Tecladas"_s, QMessageBox::NoIcon},
                 {&Entorno::mostrarError, u"Error"_s, QMessageBox::Warning}};
    for (const auto& c : casos) {
        QStringList visto;
        alAbrirse([&](QWidget* dialogo) {
            auto* caja = qobject_cast<QMessageBox*>(dialogo);
            ASSERT_NE(caja, nullptr);
            visto << caja->windowTitle() << caja->text() << QString::number(caja->icon()) << botones(caja);
            caja->accept();
        });
        (entorno.*c.mostrar)(&padre, u"Hola"_s);
        EXPECT_EQ(visto, QStringList({c.titulo, u"Hola"_s, QString::number(c.icono), u"Aceptar"_s}));
    }
}

TEST_F(EntornoEscritorioTest, QtsOwnTextsAreSpanish) {
    QStringList dialogo;
    alAbrirse([&](QWidget* abierto) {
        auto* archivos = qobject_cast<QFileDialog*>(abierto);
        ASSERT_NE(archivos, nullptr);
        dialogo << archivos->windowTitle() << archivos->nameFilters() << botones(archivos);
        archivos->reject();
    });
    EXPECT_TRUE(entorno.elegirArchivo(&padre, u"Cargar"_s, u"Textos (*.txt)"_s).isEmpty()) << "cancelled";
    for (const QString& esperado : {u"Cargar"_s, u"Textos (*.txt)"_s, u"&Abrir"_s, u"Cancelar"_s}) {
        EXPECT_TRUE(dialogo.contains(esperado)) << dialogo.join(u'|').toStdString();
    }
    EXPECT_EQ(QFileIconProvider().type(QFileInfo(QDir::tempPath())), u"Carpeta"_s);

    CajaReferencia referencia;
    const std::unique_ptr<QMenu> menu(referencia.createStandardContextMenu());
    QStringList acciones;
    for (const QAction* accion : menu->actions()) {
        acciones.append(accion->text().section(u'\t', 0, 0));
    }
    for (const QString& esperada : {u"&Copiar"_s, u"&Pegar"_s, u"Seleccionar todo"_s}) {
        EXPECT_TRUE(acciones.contains(esperada)) << acciones.join(u'|').toStdString();
    }
}

} // namespace
} // namespace tecladas
