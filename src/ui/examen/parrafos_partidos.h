#pragma once

#include <QString>

class QMimeData;
class QTextCursor;

#include <cstddef>
#include <string>

class QTextBlock;
class QTextDocument;

/// Long paragraphs in the reference and typing boxes are held as several blocks, split at the
/// start of a wrapped line. A box wraps each block on its own, so a split there changes nothing
/// on screen, while an edit or a repaint only lays out one block of modest length instead of a
/// whole paragraph (a paragraph of 50,000 characters costs milliseconds at every key). The typing
/// box splits the paragraph being typed at every wrapped line; the reference box splits longer
/// paragraphs only.
namespace tecladas::parrafos {

/// Block state of a block that continues the paragraph of the block before it.
inline constexpr int kContinuacion = 1;

/// Paragraphs of the reference box longer than this many UTF-16 units are split.
inline constexpr std::size_t kLargoMaximo = 1024;

/// Whether `c` is right-to-left or steers the direction of the text around it: appending it, or
/// a character after it, may reorder a line already on screen.
bool esDerechaIzquierda(char32_t c);

/// Whether `bloque` continues the paragraph before it.
bool esContinuacion(const QTextBlock& bloque);

/// Keeps the shaped glyphs of `bloque` after it is laid out. Qt drops them by default and shapes
/// the visible text again at every repaint; the boxes that change at every key keep them, at the
/// cost of a few tens of bytes a character of what they hold.
void conservarGlifos(const QTextBlock& bloque);

/// The text between two document positions as the user reads it: a line break between two
/// paragraphs and for a forced one inside a paragraph, nothing where a paragraph was only split.
QString textoSinCortes(const QTextDocument& documento, int desde, int hasta);

/// What a copy of the selection of `cursor` carries: its text as the user reads it.
QMimeData* copiaSinCortes(const QTextDocument& documento, const QTextCursor& cursor);

/// A document position as a position in the text as the user reads it (the splits left out),
/// and back: a position at a split goes to the start of the block that continues the paragraph.
/// Both walk the blocks up to the position.
int enTexto(const QTextDocument& documento, int posicion);
int enDocumento(const QTextDocument& documento, int posicion);

/// The text of a document as a run judges it: composed (NFC), so that each accented letter is
/// the one character its key types, and every line break as CR LF, whether the text came from a
/// file with CR LF, LF or CR line breaks or was typed into the box. A split paragraph stays one.
std::u16string textoConSaltosCrLf(const QTextDocument& documento);

} // namespace tecladas::parrafos
