#include "ui/entorno.h"

#include "entorno_prueba.h"
#include "ui/frm_principal.h"
#include "ui/textos.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace tecladas {
namespace {

/// The real desktop seam, with Qt's Spanish texts loaded as the program loads them. Each test
/// looks at the modal dialog while it is open and then closes it.
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

    static QStringList textosDeBotones(const QWidget* dialogo) {
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

TEST_F(EntornoEscritorioTest, AMessageHasTheAppTitleAndASpanishOkButton) {
    QString titulo;
    QStringList botones;
    QMessageBox::Icon icono = QMessageBox::Critical;
    alAbrirse([&](QWidget* dialogo) {
        auto* caja = qobject_cast<QMessageBox*>(dialogo);
        ASSERT_NE(caja, nullptr);
        titulo = caja->windowTitle();
        icono = caja->icon();
        botones = textosDeBotones(caja);
        caja->accept();
    });
    entorno.mostrarMensaje(&padre, textos::detenido());
    EXPECT_EQ(titulo, textos::tituloAplicacion());
    EXPECT_EQ(icono, QMessageBox::NoIcon);
    EXPECT_EQ(botones, QStringList{QStringLiteral("Aceptar")});
}

TEST_F(EntornoEscritorioTest, AnErrorIsTitledErrorWithTheWarningIcon) {
    QString titulo;
    QString texto;
    QMessageBox::Icon icono = QMessageBox::NoIcon;
    alAbrirse([&](QWidget* dialogo) {
        auto* caja = qobject_cast<QMessageBox*>(dialogo);
        ASSERT_NE(caja, nullptr);
        titulo = caja->windowTitle();
        texto = caja->text();
        icono = caja->icon();
        caja->accept();
    });
    entorno.mostrarError(&padre, textos::archivoNoExiste());
    EXPECT_EQ(titulo, QStringLiteral("Error"));
    EXPECT_EQ(texto, textos::archivoNoExiste());
    EXPECT_EQ(icono, QMessageBox::Warning);
}

TEST_F(EntornoEscritorioTest, TheFileDialogSpeaksSpanishAndListsTextFiles) {
    QString titulo;
    QStringList botones;
    QStringList filtros;
    alAbrirse([&](QWidget* dialogo) {
        auto* archivos = qobject_cast<QFileDialog*>(dialogo);
        ASSERT_NE(archivos, nullptr);
        titulo = archivos->windowTitle();
        botones = textosDeBotones(archivos);
        filtros = archivos->nameFilters();
        archivos->reject();
    });
    const QString elegido = entorno.elegirArchivo(&padre, textos::tituloCargar(), textos::filtroCargar());
    EXPECT_TRUE(elegido.isEmpty()) << "cancelled";
    EXPECT_EQ(titulo, textos::tituloCargar());
    EXPECT_TRUE(botones.contains(QStringLiteral("&Abrir"))) << botones.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(botones.contains(QStringLiteral("Cancelar")));
    EXPECT_EQ(filtros, QStringList{textos::filtroCargar()});
}

TEST_F(EntornoEscritorioTest, TheFileDialogCallsAFolderCarpeta) {
    const QTemporaryDir carpeta;
    EXPECT_EQ(QFileIconProvider().type(QFileInfo(carpeta.path())), QStringLiteral("Carpeta"));
}

TEST_F(EntornoEscritorioTest, TheContextMenuOfTheReferenceBoxIsSpanish) {
    frm_principal ventana(
        std::make_unique<prueba::EntornoPrueba>(std::make_shared<prueba::EntornoPrueba::Registro>()));
    auto* texto = ventana.findChild<QPlainTextEdit*>(QStringLiteral("texto"));
    ASSERT_NE(texto, nullptr);
    const std::unique_ptr<QMenu> menu(texto->createStandardContextMenu());
    QStringList acciones;
    for (const QAction* accion : menu->actions()) {
        acciones.append(accion->text().section(QLatin1Char('\t'), 0, 0));
    }
    EXPECT_TRUE(acciones.contains(QStringLiteral("&Copiar")))
        << acciones.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(acciones.contains(QStringLiteral("&Pegar")));
    EXPECT_TRUE(acciones.contains(QStringLiteral("Seleccionar todo")));
}

} // namespace
} // namespace tecladas
