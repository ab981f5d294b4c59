#pragma once

#include "forms/runtime.h"
#include "values/array.h"

namespace lineup {

// The line-up window: the squad of one position at a time in lstJuga, the
// line-up in lstAlin, a count per position, and warnings (never refusals)
// when a position's limit or eleven players are passed.
class Form1 : public rt::Form {
public:
    Form1() : rt::Form(layout()) {}
    static const rt::FormSpec& layout();

    // The controls the code uses, each with the handlers of its events.
    rt::ListBox& lstJuga =
        bind<rt::ListBox>("lstJuga", rt::on(&rt::ListBox::Click, &Form1::lstJuga_Click));
    rt::ListBox& lstAlin =
        bind<rt::ListBox>("lstAlin", rt::on(&rt::ListBox::Click, &Form1::lstAlin_Click));
    rt::CommandButton& cmdSalir = bind<rt::CommandButton>(
        "cmdSalir", rt::on(&rt::CommandButton::Click, &Form1::cmdSalir_Click));
    rt::OptionButton& optPor =
        bind<rt::OptionButton>("optPor", rt::on(&rt::OptionButton::Click, &Form1::optPor_Click));
    rt::OptionButton& optDef =
        bind<rt::OptionButton>("optDef", rt::on(&rt::OptionButton::Click, &Form1::optDef_Click));
    rt::OptionButton& optMed =
        bind<rt::OptionButton>("optMed", rt::on(&rt::OptionButton::Click, &Form1::optMed_Click));
    rt::OptionButton& optDel =
        bind<rt::OptionButton>("optDel", rt::on(&rt::OptionButton::Click, &Form1::optDel_Click));
    rt::CommandButton& cmdClear = bind<rt::CommandButton>(
        "cmdClear", rt::on(&rt::CommandButton::Click, &Form1::cmdClear_Click));
    rt::Label& lblPor =
        bind<rt::Label>("lblPor", rt::on(&rt::Label::Change, &Form1::lblPor_Change));
    rt::Label& lblDef =
        bind<rt::Label>("lblDef", rt::on(&rt::Label::Change, &Form1::lblDef_Change));
    rt::Label& lblMed = bind<rt::Label>("lblMed");
    rt::Label& lblDel = bind<rt::Label>("lblDel");
    rt::CommandButton& cmdAuto = bind<rt::CommandButton>(
        "cmdAuto", rt::on(&rt::CommandButton::Click, &Form1::cmdAuto_Click));
    rt::CommandButton& cmdJugadores = bind<rt::CommandButton>(
        "cmdJugadores", rt::on(&rt::CommandButton::Click, &Form1::cmdJugadores_Click));

    // The squad: names per position in slots from 1, and how many are in use.
    rt::Array<QString> porteros{1, 3};
    rt::Array<QString> defensas{1, 12};
    rt::Array<QString> medios{1, 12};
    rt::Array<QString> delanteros{1, 12};
    rt::Integer totPor, totDef, totMed, totDel;
    // Line-up entries per position.
    rt::Integer numPor, numDef, numMed, numDel;
    RT_FORM_VARIABLES(porteros, defensas, medios, delanteros, totPor, totDef, totMed, totDel,
                      numPor, numDef, numMed, numDel)

    void AddJugadores(const rt::Array<QString>& tabla, rt::Integer n);
    bool BuscarAlin(const QString& jug) const;
    QString id(const QString& jugador) const;
    void AnadirSiNoEstaYa(const QString& jug);
    void Imprimir();

    void optPor_Click();
    void optDef_Click();
    void optMed_Click();
    void optDel_Click();
    void lstJuga_Click();
    void lstAlin_Click();
    void cmdClear_Click();
    void lblPor_Change();
    void lblDef_Change();
    void cmdAuto_Click();
    void cmdJugadores_Click();
    void cmdSalir_Click();

protected:
    void Form_Load() override;
};

}  // namespace lineup
