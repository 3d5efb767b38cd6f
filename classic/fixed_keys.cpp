#include "classic/fixed_keys.h"

#include <array>

namespace velk::classic {

namespace {

// Drawn once from a cryptographic random source as independent random
// permutations of the Alphabet, together with the second edition's library,
// and kept only where none equals a library key, another fixed key, the
// Alphabet or a turn of any of them. Fixed for ever: every text enciphered
// with this edition depends on them.
// clang-format off
constexpr std::array<KeyPieces, 4> FixedKeys{{
    {u"]TFmj'v1l7uMghU@5\?\u00D8:|{BEX}3z;PL\\", u"V`\u00A3fy\u20ACI.%xw#$S~oRA=\u00BF(kZ*Jp8>60[,-rOnbciGWa_s N)4e<DCt^Q9\u00A7HK2\u00ACd&+Yq/"}, // key 1
    {u"9$(ZV%sx04h\u20ACuMQf^q,r\u00ACR*n);g\?&p>_:S#e@c\u00A3 'blj3~=wYdaPN<BA\\O`TDoWkz8iUJ56", u"|]\u00D8m2tKEC/1F{.}+y\u00A7IX-v\u00BF7G[HL"}, // key 2
    {u"sZfWz-x6\u00BF8=N|[L\u00A7Y}\u20AC5\\li`Um]BbAg13u_E&:prd/whM\u00ACjRTay,k'vF)q>", u"IOSD^4 J<+2\u00A3;c#.(9PK0HG7V\u00D8*tQ%~$C@{X\?eon"}, // key 3
    {u"826_4p\u20AC;$N%]ib", u"'\u00AC3uzR)qtW/Yj o7B0XS=x\u00D8VZ|@An#T,M+\u00A7>LJKUf9*HP1<Cm[\u00BFD\?s(F.:Qg-edIr&{E\\k^hv}OacwyG\u00A3l~5`"}, // key 4
}};
// clang-format on

}  // namespace

KeySet FixedMasterKeySet() {
    KeySet master;
    master[0] = Alphabet();
    for (std::size_t i = 0; i < FixedKeys.size(); ++i) {
        master[i + 1] = JoinKey(FixedKeys[i]);
    }
    return master;
}

}  // namespace velk::classic
