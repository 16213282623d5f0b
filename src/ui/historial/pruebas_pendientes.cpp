#include "ui/historial/pruebas_pendientes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QRandomGenerator>
#include <QSaveFile>

#include <algorithm>

namespace tecladas {

namespace {

// The names of a run's fields in the file.
const QString kFecha = QStringLiteral("fecha"), kTexto = QStringLiteral("texto"),
              kHuella = QStringLiteral("huella"), kCifras = QStringLiteral("cifras"),
              kRitmos = QStringLiteral("ritmos"), kRepetir = QStringLiteral("repetir"),
              kFin = QStringLiteral("fin"), kFallados = QStringLiteral("fallados"),
              kIntentados = QStringLiteral("intentados");

/// Characters and how many times, as pairs.
template <typename Caracter> QJsonArray paresJson(const std::vector<Caracter>& lista) {
    QJsonArray pares;
    for (const Caracter& c : lista) {
        pares.append(QJsonArray{static_cast<qint64>(c.caracter), c.veces});
    }
    return pares;
}

template <typename Caracter> void leerPares(const QJsonValue& pares, std::vector<Caracter>& lista) {
    for (const QJsonValue& par : pares.toArray()) {
        lista.push_back({static_cast<char32_t>(par[0].toInteger()), par[1].toInt()});
    }
}

QJsonObject aJson(const PruebaTerminada& p) {
    const ResumenPrueba& r = p.resumen;
    return {
        {kFecha, p.fecha.toUTC().toString(Qt::ISODateWithMs)},
        {kTexto, p.texto},
        {kHuella, QString::number(r.huella, 16)},
        {kCifras, QJsonArray{r.minutos, r.segundos, r.aciertos, r.errores, r.puntMin, r.puntApr, r.puntMax}},
        {kRitmos, QJsonArray{r.aciertosPorMinuto, r.tecladasNetasMin, r.nota}},
        {kRepetir, r.repetir},
        {kFin, static_cast<int>(r.fin)},
        {kFallados, paresJson(r.fallados)},
        {kIntentados, paresJson(r.intentados)}};
}

bool deJson(const QJsonObject& o, PruebaTerminada& p) {
    const QJsonArray cifras = o[kCifras].toArray(), ritmos = o[kRitmos].toArray();
    bool huellaLeida = false;
    ResumenPrueba& r = p.resumen;
    p.fecha = QDateTime::fromString(o[kFecha].toString(), Qt::ISODateWithMs).toLocalTime();
    p.texto = o[kTexto].toString();
    r.huella = o[kHuella].toString().toULongLong(&huellaLeida, 16);
    const int fin = o[kFin].toInt();
    if (!p.fecha.isValid() || !huellaLeida || cifras.size() != 7 || ritmos.size() != 3 ||
        fin < static_cast<int>(FinPrueba::TiempoAgotado) ||
        fin > static_cast<int>(FinPrueba::LimiteAlcanzado)) {
        return false;
    }
    std::int16_t* enteros[] = {&r.minutos, &r.segundos, &r.aciertos, &r.errores,
                               &r.puntMin, &r.puntApr,  &r.puntMax};
    for (qsizetype i = 0; i < cifras.size(); ++i) {
        *enteros[i] = static_cast<std::int16_t>(cifras[i].toInt());
    }
    r.aciertosPorMinuto = ritmos[0].toDouble();
    r.tecladasNetasMin = ritmos[1].toDouble();
    r.nota = ritmos[2].toDouble();
    r.repetir = o[kRepetir].toBool();
    r.fin = static_cast<FinPrueba>(fin);
    leerPares(o[kFallados], r.fallados);
    leerPares(o[kIntentados], r.intentados);
    return true;
}

} // namespace

ArchivoPendientes::ArchivoPendientes(const QString& rutaHistorial) {
    const QFileInfo historial(rutaHistorial);
    carpeta_ = historial.absolutePath();
    prefijo_ = historial.completeBaseName() + QStringLiteral("-pendientes");
    propio_ = QStringLiteral("%1/%2-%3.json")
                  .arg(carpeta_, prefijo_, QString::number(QRandomGenerator::global()->generate64(), 36));
}

ArchivoPendientes::~ArchivoPendientes() = default;

std::deque<PruebaTerminada> ArchivoPendientes::recoger() {
    std::deque<PruebaTerminada> pruebas;
    const QDir carpeta(carpeta_);
    for (const QString& nombre : carpeta.entryList({prefijo_ + QStringLiteral("*.json")}, QDir::Files)) {
        const QString ruta = carpeta.filePath(nombre);
        auto cerrojo = std::make_unique<QLockFile>(ruta + QStringLiteral(".lock"));
        cerrojo->setStaleLockTime(0); // held as long as its program runs, however long
        QFile archivo(ruta);
        if (!cerrojo->tryLock(0) || !archivo.open(QIODevice::ReadOnly)) {
            continue; // a program still running keeps it
        }
        for (const QJsonValue& valor : QJsonDocument::fromJson(archivo.readAll()).array()) {
            PruebaTerminada p;
            if (deJson(valor.toObject(), p)) {
                pruebas.push_back(std::move(p));
            }
        }
        recogidos_.emplace_back(ruta, std::move(cerrojo));
    }
    std::stable_sort(pruebas.begin(), pruebas.end(),
                     [](const auto& a, const auto& b) { return a.fecha < b.fecha; });
    return pruebas;
}

bool ArchivoPendientes::escribir(const std::deque<PruebaTerminada>& pruebas) {
    if (pruebas.empty()) {
        if (cerrojo_ && QFile::exists(propio_) && !QFile::remove(propio_)) {
            return false;
        }
        cerrojo_.reset();
    } else {
        if (!cerrojo_) {
            cerrojo_ = std::make_unique<QLockFile>(propio_ + QStringLiteral(".lock"));
            cerrojo_->setStaleLockTime(0);
            if (!cerrojo_->tryLock(0)) {
                cerrojo_.reset();
                return false;
            }
        }
        QJsonArray lista;
        for (const PruebaTerminada& p : pruebas) {
            lista.append(aJson(p));
        }
        QSaveFile archivo(propio_);
        const QByteArray datos = QJsonDocument(lista).toJson(QJsonDocument::Compact);
        // Qt 6.4's commit reports success when the disk filled up as the buffer was written out,
        // and leaves an empty file in place of the old one: the writing is checked before.
        if (!archivo.open(QIODevice::WriteOnly) || archivo.write(datos) != datos.size() || !archivo.flush() ||
            !archivo.commit()) {
            return false;
        }
    }
    for (const auto& [ruta, cerrojo] : recogidos_) {
        QFile::remove(ruta);
    }
    recogidos_.clear();
    return true;
}

} // namespace tecladas
