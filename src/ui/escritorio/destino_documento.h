#pragma once

#include <QString>

#include <memory>

class QPrinter;
class QWidget;

namespace tecladas {

class Entorno;

/// Where a document the user saves is first proposed: the user's documents folder (the home
/// folder when there is none), named `nombre` followed by the date and time and `extension`.
QString rutaPropuesta(const QString& nombre, const QString& extension);

/// The printer a document goes to: the default printer, or on a desktop without printers a PDF
/// file chosen through the save dialog "Guardar como PDF", proposed by `rutaPropuesta(nombre)`.
/// None when the user cancels the dialog.
std::unique_ptr<QPrinter> elegirImpresora(Entorno& entorno, QWidget* padre, const QString& nombre);

} // namespace tecladas
