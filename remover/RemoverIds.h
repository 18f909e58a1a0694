#pragma once
// Control identifiers of the remover's window. The end-to-end tests find controls by them.
namespace qlr::remover_ids {

enum : int {
    Command1 = 101,  // "&No"
    Command2 = 102,  // "&Yes", later "E&xit"
    Label1 = 110,    // question, then progress and outcome
    Label2 = 111,    // the player's directory
    Label3 = 112,    // the install directory
    wnpdir = 120,    // hidden: the player's directory
};

}  // namespace qlr::remover_ids
