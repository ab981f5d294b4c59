#include "form1.h"

#include "picture_windows.h"

namespace lineup {

void Form1::Form_Load()
{
    const auto fill = [](rt::Array<QString>& tabla, std::initializer_list<const char*> names) {
        int slot = 1;
        for (const char* name : names) tabla[slot++] = QString::fromUtf8(name);
    };
    fill(porteros, {"Jugador Uno", "Jugador Dos"});
    fill(defensas, {"Jugador Tres", "Jugador Cuatro", "Jugador Cinco", "Jugador Seis",
                    "Jugador Siete", "Jugador Ocho", "Jugador Nueve", "Jugador Diez"});
    fill(medios, {"Jugador Once", "Jugador Doce", "Jugador Trece", "Jugador Catorce",
                  "Jugador Quince", "Jugador Dieciséis"});
    fill(delanteros, {"Jugador Diecisiete", "Jugador Dieciocho", "Jugador Diecinueve",
                      "Jugador Veinte", "Jugador Veintiuno", "Jugador Veintidós",
                      "Jugador Veintitrés", "Jugador Veinticuatro", "Jugador Veinticinco"});
    totPor = 2;
    totDef = 8;
    totMed = 6;
    totDel = 9;

    numPor = 0;
    numDef = 0;
    numMed = 0;
    numDel = 0;
    AddJugadores(porteros, totPor);
    Imprimir();
}

void Form1::AddJugadores(const rt::Array<QString>& tabla, rt::Integer n)
{
    for (rt::Integer i = 1; i <= n; i = i + 1) lstJuga.AddItem(tabla[i]);
}

bool Form1::BuscarAlin(const QString& jug) const
{
    bool found = false;
    for (rt::Integer i = 0; i <= lstAlin.ListCount() - 1; i = i + 1)
        if (lstAlin.List(i) == jug) found = true;
    return found;
}

QString Form1::id(const QString& jugador) const
{
    for (rt::Integer i = 1; i <= totPor; i = i + 1)
        if (porteros[i] == jugador) return "Portero";
    for (rt::Integer i = 1; i <= totDef; i = i + 1)
        if (defensas[i] == jugador) return "Defensa";
    for (rt::Integer i = 1; i <= totMed; i = i + 1)
        if (medios[i] == jugador) return "Medio";
    for (rt::Integer i = 1; i <= totDel; i = i + 1)
        if (delanteros[i] == jugador) return "Delantero";
    return "";
}

void Form1::AnadirSiNoEstaYa(const QString& jug)
{
    if (BuscarAlin(jug)) return;
    lstAlin.AddItem(jug);
    const QString p = id(jug);
    if (p == "Portero") numPor = numPor + 1;
    if (p == "Defensa") numDef = numDef + 1;
    if (p == "Medio") numMed = numMed + 1;
    if (p == "Delantero") numDel = numDel + 1;
}

void Form1::Imprimir()
{
    lblPor.setCaption(rt::text(numPor));
    lblDef.setCaption(rt::text(numDef));
    lblMed.setCaption(rt::text(numMed));
    lblDel.setCaption(rt::text(numDel));
    const rt::Integer total = numPor + numDef + numMed + numDel;
    if (total > 11)
        rt::MsgBox(
            "¿Desea alinear más de 11 jugadores?\r\n"
            "Recuerde que tendrá que convencer al árbitro y al otro equipo");
}

void Form1::optPor_Click()
{
    lstJuga.Clear();
    AddJugadores(porteros, totPor);
}

void Form1::optDef_Click()
{
    lstJuga.Clear();
    AddJugadores(defensas, totDef);
}

void Form1::optMed_Click()
{
    lstJuga.Clear();
    AddJugadores(medios, totMed);
}

void Form1::optDel_Click()
{
    lstJuga.Clear();
    AddJugadores(delanteros, totDel);
}

void Form1::lstJuga_Click()
{
    const QString name = lstJuga.List(lstJuga.ListIndex());
    AnadirSiNoEstaYa(name);
    Imprimir();
}

void Form1::lstAlin_Click()
{
    const QString name = lstAlin.List(lstAlin.ListIndex());
    lstAlin.RemoveItem(lstAlin.ListIndex());
    const QString p = id(name);
    if (p == "Portero") numPor = numPor - 1;
    if (p == "Defensa") numDef = numDef - 1;
    if (p == "Medio") numMed = numMed - 1;
    if (p == "Delantero") numDel = numDel - 1;
    Imprimir();
}

void Form1::cmdClear_Click()
{
    lstAlin.Clear();
    numPor = 0;
    numDef = 0;
    numMed = 0;
    numDel = 0;
    Imprimir();
}

void Form1::lblPor_Change()
{
    if (numPor > 1)
        rt::MsgBox(
            "¿Desea jugar con más de un portero?\r\n"
            "Recuerde que sólo uno podrá tocar el balón con la mano");
}

void Form1::lblDef_Change()
{
    if (numDef > 5) rt::MsgBox("¿Desea jugar con más de 5 defensas?");
}

void Form1::cmdAuto_Click()
{
    rt::form<quendal>().Show();
}

void Form1::cmdJugadores_Click()
{
    rt::form<frmBravos>().Show();
}

void Form1::cmdSalir_Click()
{
    rt::End();
}

}  // namespace lineup
