// The calculator's built-in words. Inside programs and algebraics a word is its 5-nibble ROM
// address; no address is the prolog of a data object or the end marker of a composite.
#pragma once
#include "sim/calc/CalcObjects.h"

#include <string_view>

namespace lw::sim {

// Word ids in table order. The table only grows at its end: an id's address is fixed, and
// the calculator-side program files rely on it.
enum TWord : int {
    W_ADD,
    W_SUB,
    W_MUL,
    W_DIV,
    W_POW,
    W_NEG,
    W_SAME,
    W_EQ,
    W_DUP,
    W_DROP,
    W_SWAP,
    W_OVER,
    W_ROT,
    W_CLEAR,
    W_DEPTH,
    W_DUPN,
    W_DROPN,
    W_PICK,
    W_IF,
    W_THEN,
    W_ELSE,
    W_END,
    W_IFERR,
    W_EVAL,
    W_STO,
    W_RCL,
    W_PURGE,
    W_PGDIR,
    W_CRDIR,
    W_HOME,
    W_UPDIR,
    W_PATH,
    W_TOLIST,
    W_LISTTO,
    W_GET,
    W_SIZE,
    W_DOSUBS,
    W_TYPE,
    W_TOSTR,
    W_STRTO,
    W_OBJTO,
    W_SF,
    W_CF,
    W_FSQ,
    W_FCQ,
    W_RCLF,
    W_STOF,
    W_STWS,
    W_RCWS,
    W_STD,
    W_DEG,
    W_RAD,
    W_GRAD,
    W_MEM,
    W_NEWOB,
    W_VERSION,
    W_SYSEVAL,
    W_RESTORE,
    W_CLLCD,
    W_DISP,
    W_WAIT,
    W_SIN,
    W_COS,
    W_TAN,
    W_SQ,
    W_ABS,
    W_INV,
    W_EXP,
    W_LN,
    W_SQRT,
    W_SENDMEM,
    W_XSERVER,
    W_LOCALS, // → names « program » or → names 'algebraic'
    W_COUNT
};

struct TWordInfo {
    const char* Name; // calculator bytes
    int Arity;        // arguments as an algebraic function or operator; 0 = not algebraic
};

const TWordInfo& WordInfo(int word);
uint32_t WordAddress(int word);
// The word of a name or of an object; -1 when there is none.
int WordByName(std::string_view name);
int WordOf(std::string_view obj);
inline TNibs WordObject(int word) {
    return MakeWord(WordAddress(word));
}

} // namespace lw::sim
