#include "engine/key_library.h"

#include "engine/alphabet.h"

namespace velk {

namespace {

// The 99 library keys, split at their double quote. They were drawn once from
// a cryptographic random source as independent random permutations of the
// Alphabet (keys 17, 58 and 99 as permutations with the double quote last),
// and kept only where no key equals another key, the Alphabet, or a turn of
// either. They are fixed for ever: every text a user has enciphered depends on
// them.
// clang-format off
constexpr std::array<KeyPieces, KeyLibrarySize - 1> LibraryKeys{{
    {u"3h}na", u"U,#R(D0ELBjl1wi\u20AC/;$TM\u00A3PFxbuQ[^_g)VG&fSJoHeX\u00BFA-`sK=r.]O*+t|~6y@\u00AC%zCNmpv\u00D8I5<Y>9c4\\W\?7 Zq8'k:2\u00A7{d"}, // 01
    {u"Zx(^c9i/-V#|aqsE\?{=7kI0'81SF\u00D8ug$Bt4LXw6KQ%:\u00BF}j)WDb;l5r+]y3vCo[Jp\u20AC~&", u",\u00A7Rd\\M_YPT>e \u00AC<Ah`@.ONGfm*UzHn\u00A32"}, // 02
    {u"/vl:\u00A3][bU1*B2@J5^k}u-\\,tDVH>A\u00BFXxF&7pKd\u00D8<MW;\u00A7e`S\u00AC i|sNr3aE8QR(G_cojmT40ILw{Zy=", u"\u20AC)Yqn\?C+h.zO%#$9g'P6~f"}, // 03
    {u"RHz\\{0C_6wE`.h}I\u00A7tp>yfl4|TWvA7ur+GQZDY8$2:gi\u00D8%KO#c-@LB\u00AC1d5]*\?\u20ACJsX=(;e\u00BFa[)Nn", u"qbomV\u00A3M^&,<Fk3S~'/9jxPU "}, // 04
    {u"Loux&>(,5$@TJp'_f-\u00BFRwkvIW|)]yZh3r8Qc%n07l4Y9O:}Siat\u00A3\u00ACH6 \u00D8G{MN\u20AC\?[P/^dC", u"`jF2V=Us1Bb\\#K+g<X.;EAmDq\u00A7~z*e"}, // 05
    {u"<d", u"-#:\u00ACS\u00A7$tj}0u4/\u00D8Jw'BK{EUC\u00BFiZ|pqoMy8P Ax%2X.v1b\u00A3rY=RFlg^Nz*\u20AC7H6\\]nTcD3_&QG,9`@I~\?Vf[;5>L)khsO+m(eaW"}, // 06
    {u"\\)uy\u00ACW>*iK\u00A3QHpBDq-dIkR<6V(,L\u20ACA5nT|}v8$O^ZCf]3Gz1=`", u"e@hsEblPw\u00A7: g\?{o&F%+M4c'Y9_mt/J;Uj\u00D8r~[72x.0N\u00BFS#Xa"}, // 07
    {u"S&cndO37'+%X-vLgw)ARr\u00BFy$", u"khJ0<G~jp.sT/\u00A3l #2VP|\u00A7>Nt_a:;mf[C}*U\u20ACDEib=@IqzW\?9Z4o8u\u00AC^Q(K\\Y,e5{]H\u00D8x1`6BFM"}, // 08
    {u"XQK6gz-WM4E2\?A0S8i:'> dl~b7aZ3hx$kfGR%O#Nt]_\u00A7qw9{V5\u00D8pFLT\u20AC`,\\o^)vP\u00BFHID*U\u00ACjsy}Ju.Cm", u"|+\u00A3=e[@Y/&;r<B1nc("}, // 09
    {u"XZ[\?0Of\u00ACIGc9}w/R@4|Svj]xqDs\u00D8=>#)aU*W2{h&i%68\\Y1AkneElQ^ ;y`C", u"tg3rpzV\u20AC,<\u00BFJNbP$\u00A7oMK'umL:7T+d(H._-\u00A35~FB"}, // 10
    {u"SrNi\u00ACq*-2{h>aJs P\\\?MK:kluGf(Zt", u"RFUV]Q[^\u00A7;_\u20AC,\u00BFg4W1\u00A3@=w39bmC8I)/|EeALz<od&vDX#HB7T}5n$YpO0~6+cy.j`'x\u00D8%"}, // 11
    {u"_+{jDl&)KB6MZgeQ#o(~wOiGJS;8}:h\\7^'=\?5,cr4@HPtR\u00A7s/1Lu%IxaqWU>T|Y\u00AC]E9", u"\u00BF3*0d$yFm2VfNk\u00D8 \u20AC.vXC-b`n<pz\u00A3A["}, // 12
    {u"j\u20ACL\\9f5`%4Mzo,U7\u00A7P6(mk\u00D8uOqligyZs1Y2\?['rHE 0b<pwCK~$n{WtB)+D>a=\u00ACxc3A.-:NIGVeTdX", u"h@J\u00A3/_v^}|S&RQ#8F\u00BF*];"}, // 13
    {u"04<R$Lp5X}m\?&[ 1v2,-Qlt\u00ACec*u#Nx\u20AC+ADKE`6H|qY9a{Ph:y\u00D8Jz\u00A3dI", u"Ugj]>\u00BF7%83iFBV\\/;O~^MS=\u00A7sZ@'_orbW).wTnkGCf("}, // 14
    {u"xeD}\\Id*vS1=alU4,-0<z\u00A7~)Y6`PM3]si2h\u20ACC>b7(t;+Tjw^\u00A3G9Nfr|%EW/& BXy'koq", u"m\u00D8ZO\?JpA[c.8u5:Hn_L#$Fg@\u00BFV\u00AC{QKR"}, // 15
    {u"`bm8)Z\u20AC5", u"j$K<VB9e= #\\Svr2_|]QM:}ltWR>&1{c6\u00ACq%N;A0uDT7,PF\u00BF4ixpz*~U\?\u00A3/E\u00A7hJLHgY.I^-+\u00D8y@(Xnao3f[wCd'GksO"}, // 16
    {u"R;ac[:dMyuG@\\P\u00BF6D_lYs&Ti5n'9x4A8qw|mVjL<F{\u00A7\u00D8o~rOg0Xe=\u00A3+\u00AC^}U)b>.kNp3Cz#EZh-W* 7vI,(]%SQBK2\u20ACJ1`H/t\?f$", u""}, // 17
    {u"\u00ACz:\u20ACrbY'*>O-],Q/<N{#} ~_%\u00D8B1UnJ4lH36hx@$XaIgt^si.eS5KFuq&0\u00A7`d8E2jL\\mTk|cCR\u00BF+P9VDG=Zo;v[Aw(\u00A3y\?7", u"W)fpM"}, // 18
    {u"tT\u00A3bO8o(#;/^_yqjAG*XL>4)|0uhUHQK\u00AC~R6 N&'%ls\?i,dE3<:5JW-", u"{cIBnYD}ak\u20ACfzCpvgZr\u00A7\u00D8\u00BF@\\wVFM2xeP$m=7.1][`+S9"}, // 19
    {u"S}k3qJ0l&8E{~n;Me,KQZD1#", u"%>vLIa2wp<fB \u00BFzFHT]W=\u20AC\u00A3@`u:4jP\u00ACriygA)N6xU.R^*s\u00A7od\\-O9h5Y+\u00D8|$(['Xt\?b7Gm/CcV_"}, // 20
    {u"$/uNQC'9o~b>vdc4;\\-8<Xe\u20ACw#jMV=2t*}.`\u00D8{\?+\u00A7x0l3LhA)TZ(f:O\u00A3@BqpHI6a |SYJRD7k\u00BFU%WKEyGFg^r,]P15", u"_\u00ACszi&m[n"}, // 21
    {u"v\u00A7A_*(D)\\IXn\u00A3Te>10'S3=#%\u00BFJ`uh$85~UiCkFx;{W,^V m4[K", u"Lb<qpYcG\u00D8rot]fg\u20ACNO&BZ:dsw|.96ljQ\u00ACEaRz@M+/\?HP}y-72"}, // 22
    {u"aVXkf~hn)I[<\u20AC-L", u"\u00A3=o|bri*9,4j}S Rd&:.>v5x1Z2\?$NTCmWzu]#e_^qG7%cHQygs+EpPK`'(\u00D8Y03/J6UtBM\\8A@{F\u00BF;Ol\u00A7Dw\u00AC"}, // 23
    {u"63G\u00BFC9XLq\\;MBeFw@t|ny>hog8#2IPzi[}Z-.5l\u00AC]T0\u20AC+<jmpOK^U{ 1V/\u00D8", u",=sxdW)ub`\u00A7cS'Q\?JA_*Y~fE:k$(R%D4v\u00A3&N7rHa"}, // 24
    {u"b", u"I3z_C=oJRcv]4Z:~XBTNgiDY;%[+HsMVxu'pP1-\u00A3(\u00D8\\n5<*.|\?,AEQ$r/7t&k2\u00A7mal@\u00BFw98{e#hKyqdG>F06O)}fL^S\u00ACW `\u20ACUj"}, // 25
    {u"N{Wt8=\\Q\?_Y", u"9a%Ghv7u 435)q~[\u00BFZ:\u00A7C0MVoJ}TIRi`|U\u00A3gS./K&Ler2x+H<-(zs$,DpOmwBP\u20ACEX\u00D8;Fyc*@#bAn'k1]>jf\u00ACl^d6"}, // 26
    {u"t^eUsY\?/D7[3Q9;Wvl", u"{4z2 )x#joRLn8g6@=GbC5\u20ACk'&:i|\u00A3}\u00AC($\u00BFpThXcMJSmF*d<>`IV01a_,AO\\%-]wPrKNqEy+\u00A7\u00D8u.~BfZH"}, // 27
    {u"QCJ^MB;eX:3)'rbgRSW#DPENOo\u00ACxZVIkFa$|y28c_U1n\u20AC+L5{=p\?\\l/][H&v", u"d@\u00BF-09K}\u00A7<~j(whA6\u00A3`sY\u00D8%u>qiz74 tm.,G*Tf"}, // 28
    {u"\u00D83%Jl{PS\u00A7*~zr]E.7Ms(Yb9,Uw6\\'xkdZWm\u00AC)h^5\u20ACe[v<=oDO4AtXj:a_T;u}G 8gLV-yNK\u00BFnC`\u00A3IqQF12B@#/+&", u"$0fH\?pi|>cR"}, // 29
    {u"#0}xJ|k-2\?Htl+<p\u00A3*TX Fq>=d_j[L6P\u20AC1c7f\u00BFG(QM\u00D8\\/5ywmz,^&D%aS.;3{@OB~Io", u"sUVACbn\u00A7]NirRYK'89We$`u4):\u00ACvgZEh"}, // 30
    {u"bh`cvoHS%Im3Ca,wF\u00AC$ {fN_WpAnsLzDTj6~*qx1dVX'E@", u"kM^\?P|QKY2l\u00BF\u00A3GJi+9(Oe}\\U\u20AC&;</54)-[t=Ru:#Z7>\u00A7r80Bg.\u00D8y]"}, // 31
    {u"xmZFlb6oCr\u00AC7{OI`)BfdMHR19DtV\u00D84<~uKq:='a/yN0Q\u20ACjP>;v3\u00BF\?+@-A.n2Js}gzp]c([&L#Si\u00A7w", u"W\u00A3 %k|\\5YG$T^*e8hX,_EU"}, // 32
    {u"q\?rceC_n\u00A3|H\u00BF=\u00A7SXM$*w8J'GK%->I 4^bd1:;s@BOL}kNF6\u00D8uh/T30~vf(Q[\u00ACaW", u"])gPiEz\\{op#2Z&+mxlVA9<\u20AC7,U.5yjDRYt`"}, // 33
    {u"(p|t&\\Sc9+\u20AC]}E2Lvdgax3\u00A7r^G7_~Wzq`hUFCOAj6Qul;sJZ.I\u00A3VY<450M8eH>fbN", u"'%Dm,wK-$X/=\u00D8nP#Bk)\?1: i[Ty\u00ACoR*{\u00BF@"}, // 34
    {u"UK`$WkBy\u00BF_ulAt%M\u00A3S2@EQp\u00D83\\Y7n]w\u20ACT8>^~-*f\u00A7=' JXL\?6)hGP<Nq(jCiHs,gmI|zdoZ[b\u00ACc&xOF:aeR109V5}/.r{+D#v;", u"4"}, // 35
    {u"\u00BF)+rv:<0O3d%SNWRQ.7T=M/E-~\u00A3b\u00ACy|&9]sPI[#\?tu\u00A7m\u00D8Dh5}6cG$KALF\\BxU;`w>g*_^apl'J12j", u"H\u20ACVCZYX,zqei(n4 k@f{o8"}, // 36
    {u"W7Y%Dwu\u20AC2z1A\\'O-6)8\u00ACKI]5v0hHn{F=Lb&_#*C>d+GE,3/;\u00D8\u00A7Np\?$^P<xQs(}|:k4tJl\u00BF`9@ZegST ~iRXqaycjfUV[M.o", u"\u00A3rBm"}, // 37
    {u"Q@x[)A'.YO\\>_W5XjFT:\u00ACD6tN]g7iBm#kzch3Eu{r(8;$1~G", u"2\u00D8esI\u00BFp|\u00A7UVqlC=HZ\u20ACbnw`&9^\?PRoJv+ L*4d/-<S\u00A3K}0yMf%,a"}, // 38
    {u"\\6\u00A3]\?PM:tL5@v*.Y9Z'na)yX>f+B}0z,\u00ACA\u00A7$Or=WoRC_7\u20ACQ&GF1i", u"#/[DEp-4 (\u00D88mK~`bk^HS2h<\u00BF{UJeqI%V|wgxduc;s3jlTN"}, // 39
    {u"NZ@QmUq[x8p`P}c1j4M)Jk:\u00A7\u00D8$\\", u"OofT9uIiS_20\u00A3hB3zVXAgnF6{l *E'>KY+\?RL|,&e.5<t^]%\u20ACHC#r7bsGv\u00AC~w=a/dDW-;(y\u00BF"}, // 40
    {u"D>CmfO~7P\\6B\u20ACI)|we.\u00A7X\u00D8Z[d5}\u00AC`0_o8Nyk4tu", u"\u00BFR{Yq13,Ws%<UVhH=gMGQ] $\?@KJ9j#+;a*zvp2i\u00A3LbEl(S^nxT-'rAF/c&:"}, // 41
    {u"\?>](7v$#6AsTQl~\u00A7\u00A39h[NkBicP\u00BF0ZSj,WaM\u00ACfK4y1OU)xr%+<}.D\u00D8'gtmuJ\\Ro =5p", u"2/_V*z:;`^-8X@GEeCb&HqFLY|w\u20ACndI{3"}, // 42
    {u"\\yDG8O\u00A7L3;i%:z\u00A3*X=$&~)_7vW{R0x|fYnT", u"tNjg6ZFk\u00BF'9l\u20AC](HAU.+<\u00AC 5pdVwEh4\u00D8MqKSa[>ubsPQ2cmB1Cr/}#oJ@-Ie,\?`^"}, // 43
    {u"<\u20ACgi=AG[9hpK\u00BF|7(YL)^vCHm>VNT\?c4{Q.e}\u00D8wt/yX\u00AC: n3x", u"~5F`*2rBjqo6;1\u00A7aZE$sJ,%\\\u00A3O@08+b&#MS-RlufW'kz_dIPDU]"}, // 44
    {u"`\u00A7>GjVZ.EQsgl", u"\u00A3^4n}duyL#\u00AC%p~)zk; c{\\xf:=B<K*SJXWOie7,2'/v\?1U-b\u00D8YF$3\u00BF5(C\u20ACHPIN[&9MDRawo@]_tAhTrm+|8q06"}, // 45
    {u"-\u00A7@>\u00AC0Rg3HC1\?\u20AC/s#MIkKGQD\u00BF(_A:ne+t5\u00D89]&U7q%u)^=8px\\~Taji '$h}Srymo,\u00A3*XlFc6Pw|WbY[f", u"E4.v2<zL;NdZJV`{OB"}, // 46
    {u"Ua/'%#BYQtb(\u00ACw^:>1-)T7\u00A3]&y$\u00A7NnFP3SD\u00BFWJlpKEG*5\\ _g\u20ACrL|kv;ij4{\u00D8c", u".szdeAO9[=xq,<@m20Io}Z~`8ufX6H+hCV\?RM"}, // 47
    {u"&94:R#]\u00ACvA+mdO'Va/QT^q)y3M8=rUw1gEflB0*5|~@;N(pHbi\u00D8\u00A7 k}FC", u"\\W\u00A3e-Y\u20ACcP6n%Gz.\u00BF[{,J<SK>2_`ZtD7u$j\?oLsxXIh"}, // 48
    {u"f\?i.A#Orewt)|U72V,6\u00ACYE\u00BF=(0R\\C J\u00A71\u00D85@4FDWKo;%':T", u"v&HP9Smqx3XzsL\u20AC~n[+_Bu\u00A3$b`d>-*}/{jQ^IyGalhpg8MNc]<Zk"}, // 49
    {u"bq6K\\_\u00D8/\u00A7f4mV.*9t,MvNxe(]\?RgkF~YapPBnydHJ`l\u20AC+zj3", u"CW@;'DL[%o{\u00A3>0 hcrE5G)uU\u00AC:X2<A87Q#=\u00BFTi|^sw-1$OS&Z}I"}, // 50
    {u"\u00A3`2]y;47dm\u00D8JrXjQPL.Y\?9oDZx'8\u20AC>#U /VI\u00BF\u00ACz$fT_|\\0%-tn^w@5pv*<g=c{R(3E1)C+O}l&\u00A7WeuhS:Ak[sF,a~GHbqNiM", u"B6K"}, // 51
    {u"\\0DnjI_[c&P(X7V}]WY\u00D8`t{l\u20ACxk6.<|;+v#\u00AC,GbHr5CL\u00BFg\u00A7*~TfaN9@31p%'M\u00A3 uR2=)JKosyz\?4eiqB:-/UA8$OQEmFS>d^", u"wZh"}, // 52
    {u"I+|", u">u~MsD5G:8Jt`\u20AC='z]2ovk\\<7&^LCj)c% /n;H6Y0alP\?Og-\u00A3.frVA[94mQ1Sp*WRd\u00BFTXi\u00D8{Fb\u00A7yw\u00AC$hBZEN,e@#U_3x}(Kq"}, // 53
    {u"}6#u'iGZ\?", u" /$^Q\u00BF2B[Uf;|_,e`]kc9<nWFX8lR&DCr7Y\u00AC\u20AC4VAIs=MHEzv1(ox*\u00A30>\u00A7~PKp)mq%ag+J5h\\wTb:t3N.{LdyO@S\u00D8j-"}, // 54
    {u"F),&cny #7lK|~3{5igU.6V8Bj*Pt2(eWs]Z_+G\u00A3p9O/f=EbhD\u00BF^\\M`murdoXN-4$QH}1\u00A7;RI:a<S@%z'xqAYL\?0vk\u20AC", u"w\u00D8T>\u00AC[JC"}, // 55
    {u"-N;y:$\u00ACfScEOL#n^pt`Gb\?\u00A3e]rZuwa}gd21JRQ\u00A7C(3Bk=9v&.<sA7+ *\u00D86x[iK'8|%D5q\u00BFUITX_\\>zV)m/{", u"Mh4j0Yl\u20AC~H,FoWP@"}, // 56
    {u"^l)0Q'~4T&dN8[Ia\u00A7,@M/i}FS9(VhG6ck5px|H _Z\u20AC7rt>.Bq\u00BFLPuw2DJ]X`Wg+{yO$j:ov\?", u"%s;U=*\u00D8En#1Y\\\u00AC3Abz-emfC\u00A3<KR"}, // 57
    {u"~2$wRoHL>\u00ACn1ji\?\u00A7/x|\u00D8emf+ryaDb\u00A3_]%O93<kNcp}6#7g.&PKBYUl{=;d\\)ut8vGW`,VMz(Q:J[5Cq\u20AC'F^sZ-SXA4\u00BF0@I*E hT", u""}, // 58
    {u"vzbtaGO[}\u00A7\u20ACNC8\\SDd\u00A3r(E2m]0eQk_f|4q-:),F.c6A\u00BFZMH\u00ACo;ns>x\?g&T{#97<BYiu1j*5", u"KXpI hL^`\u00D8~U=+lP$%yVR3J'W/@w"}, // 59
    {u"\u00A7ye x^Hl4mc,fWB.9)nA\u00D8a`1{U\u20AC/]i5M3g0u=s$Go2K_\\RI[wV:|@}<C\u00BF+SjZ7k;%z\?v*\u00A3N&E'Y6Pq8h>XJO-Qd#T\u00ACLDrb", u"ptF~("}, // 60
    {u"d&uSxZ+`{h~5\u00BFD}\u00A3X\u00ACleMYA\u00A7w@Va3_r\?\\.'LjC>b6gJyn", u"W)8:k1|BIi-G<]0oc7#t fsvzK;Pp/F[%EmUN$q9O,=\u20ACRTQ2(*^4H\u00D8"}, // 61
    {u"tQmi*&AYThf01EC)Mz8L\u00BF{<cO5_ ^$F`}oqey>I\u00A7XZnr.(%R/Ds\\~vN\u00ACw\u00A3']x,H", u"l4\?paPdk|u-KS3@J6V;gB2b+U[=\u20AC\u00D8j9W#:G7"}, // 62
    {u"\u00BFVI;Fq(Hc[dZ1fL\u00A3>\u00D8iJ_D2:@z`l'A89eha#~4UEM\u00AC&%r*R^Pt0.=BS)X\?7oW/k,-", u"m gTOb3\u20AC\u00A7|CwuY6sQyNv]$pj5Kn{+x}\\G<"}, // 63
    {u"f%\u00A3kAqTlzP", u"C\u00BF}8<$1MpxS~c^6yWB\u20ACUh)wmjb-eY\u00A70\\`V\u00ACEQXZ9;I,*=\u00D8D it#(J2urO4a\?H.Lo[/n735GvF>{|RgK:'N&s@d]+_"}, // 64
    {u"", u"gF%=,LE[uTMXIJe1\u00A3B}S2o4K'(7W0t{UC\u00D8rkG*$\u20AC+` xj)/dQc@ZnO~<y;9\?6P:pzh&a]b_\\\u00A7lmsv-5DA\u00AC|Nwi3>Y^RH.f#qV\u00BF8"}, // 65
    {u"0qRF`={(~Iw[,8:\\n]m#E/\?-7fC<VSoM4rGs%g*;$Uh\u00BF+dvxDjK&l3^Hc\u00D8Z12|iWONk9.Bb'az u@eLAPy5>QTY}X", u"t\u00A3_6\u00ACpJ)\u00A7\u20AC"}, // 66
    {u"x^A>}qSX,t&i(LkW6[u<N3cnmTO\u00D8jg'8%op@ F9b\u20AC`rf\u00A3Q-G~\\\u00A74:s2DJ\u00ACw\?;5eMRIHUh]1#Yv./zP7$lE+*y", u"B)\u00BFK=C|VZ0d_a{"}, // 67
    {u"/&n\u20ACy\u00ACX-A06%z7gCK=l:]u#}'4o1\?,*abrt`SL\u00D8Y{TGD(ZQ\u00A7NI\u00BF2[jRPM", u">km35sH)p FWf$|~d\\Ox9whB<q\u00A3@8J.E;cvV_e+i^U"}, // 68
    {u"h,V_", u"n*slcO\u00A7e$IS')}FKLjH3xX7>you46J^bDGz\u00AC;]\?tEBTNA5-8\\mCav[QZr\u00BF./{Y92d`0UpRk1=|+#%\u00D8: \u00A3wqigWP@~f&<\u20AC(M"}, // 69
    {u"mVo`grxb\?RU>kI-s:;q\u00A7%_Xh\u00AC$\u00D8.{+Siv&|", u"4BJ5OD=2Fz(/wyaN[ H\\9nTCpK8}#Al1e3\u20AC0~@d6QLj<]\u00A3c*^)7uWE\u00BFf,'ZGMtPY"}, // 70
    {u"T&4\u00ACy'%<Dqj/\u00A7w0[U\u00A3kB\u00BF>*fh_Gl$KQ=s-IY )`g}#~M+7,nZ:v|V8(ONr\u00D89pX\\c.aJ6xmtWz2;e^bRE3F]\u20ACPH\?@Lo", u"d{5SA1Ciu"}, // 71
    {u"yCuHwONm7:n[MrU2}v~<-%*YbX(IV\u20ACPhd,3Z_k\u00A38#4 Q\u00D8LgAio&F\u00AC')l\u00A7\?eBGEDc;|/a.\u00BF=W@`f0^]+R\\xKpJ{q", u"5TtSz19j6>s$"}, // 72
    {u"\u00AC,x\u20AC^D;SXJ>Y7pt0y3jQZ\u00BF5o:dcv4E$\u00A7g2IM%ArH\u00A3`", u"_\u00D8ORN8*|Ve+W\\@1Pk\?n6'9BCl<a}.GhKmqF~[]-=(U{s wzu)/#&iLTfb"}, // 73
    {u"h{2})[QL(c~S=O,Jb@gtd7V\u20ACyrj41lA\u00ACp-X_TCFHnqf53\u00A7Y+^MB*m\?`E\u00A3&\\Uo:;/xG]'6ew\u00D8", u"N89iP0D\u00BFz>KR.uI%skv #<Z|Wa$"}, // 74
    {u"S}#Fi{y[K \?8Q|f`cAX_lve:n1<wRo\u00BFr-7*t\u00D8@qb)dD\u00A3.I\u00A7PCNz~k\\xVYE2T=9'\u00ACWhOB+pLuU]&,mGH/gZ3;\u20AC4^%>s6ajM$", u"(50J"}, // 75
    {u"P8i>e~sGkJudC^XY4(q`@\u00AC\?6O<5Lm/0FEZH\u00A3\u00D8na)7l$", u"{2D:,W p[j\u00A7=o%V|+tUMvSN.b&*B9;-AcgTKhIx\\'Q]z}r3_1\u00BF#\u20ACywRf"}, // 76
    {u"<wUTRmH/08QMdVNc,:P^9AIu1rnz4]}>\\)\u20AC=J(ajZbXy|%e~v\u00D87q_D3@;'.\u00ACiWxS6*pt2K\u00A75$Ok{Y-#h F`\u00A3\u00BFG\?E&s+[Lofg", u"lBC"}, // 77
    {u"K9CN\u00BF\?lI6bWpZci|(qD+vFG&T#]$0\\fXkzut8nSO\u00A7w\u20AC^)amV3_y74J\u00D8~`%RB-gYe=>:rsA\u00AC[Mx;oQ<j*", u"52Lh@.U/,'H1\u00A3}dEP {"}, // 78
    {u"5;2cE rX#\u20ACet+%Gz~^pF}WVTOs34<anLZ([oxN\u00A3)gR0$6.AJ{Q,7l>\u00A7f\u00BFIk]Db\?8'|Kh", u"\\-d/Y_Ui=PHw*&:uv9y`m\u00ACC@qBMjS\u00D81"}, // 79
    {u"OoVikrR2yY*\?w S~zt68ml\u00D8:)b>(1K7/`-,0<#pMa]J\\'|=%CT\u00BF", u"^\u00A7_\u00A3[9}PDjG3hHZ\u00ACfEeF\u20AC&4q+UsxXvA@{g;I5N.W$nLQuBdc"}, // 80
    {u"L>\u00A78w@X6Nu{'D*q\u00D8]s4Cri\\%g\?J9cQ^=RV10h", u"$H}F\u00AC.z|bMl<\u00A3jYUGkx2Z/+m7-\u20AC#dyaKet;nE(v_Op&: 35f[~,BT)o`PA\u00BFWSI"}, // 81
    {u"W'_\u00BF\u00AC@#Vp|lKO-Gr\u00A7fyh:;k }*\?\u00A3j\u20AC4m", u"Qw7g%ETa(/nI.vs5{tLe9b$JSi2MP1c0=X]NAo[BzDR&+68)\u00D8x,<uCdqH^>F~Y3\\U`Z"}, // 82
    {u"cQ0so[Va5#2|}N`qZ.\u00A3X6kR\\+wt<T=Sg9%r>U\u00AC3ndJ", u"L&FOi* -Ylz'K\u00BFbhB$~f74Cp\u20AC1W\u00D8Pe:;u^y8)DH(A]j{,EIM/Gv_\u00A7mx\?@"}, // 83
    {u"6KLawpkv)/n[%$ \u00A7~#\u00BF.", u"FMmf{\?\u00A3:jVYd+EeR-I2\u20ACsgcbu&N(0TZX<=4y|itD]B3q}>1`hr,*S\u00ACW_CozP\\75JHQl'9xOA;8GU^\u00D8@"}, // 84
    {u"g~$p\?\u00A3m\\'Dh/G48\u00BF#a%v)wqrYN\u20ACte&H*ij,3KdfSOZ\u00D8`Ck F2x@6=-LuJbI5B_Q7[o|PW;1X(c9}<z{", u".Us^AR\u00ACTy\u00A7+0nE:]V>Ml"}, // 85
    {u"A'd\u20ACg`i{Sb,cJwFpzo&;jh\u00AC8]lU@QILs(q\u00D8k\u00BF\u00A3", u":r)CnDPm2<>9}=|\\1 ZaE~#et3GYfWN./H+45$KM-6[v7O0\?T\u00A7V^yxRB%X_u*"}, // 86
    {u"Xj|r;@O)xhyB \u00BF\u00D8GZ\u00A7,13-/+MmPf\\u}wLR]'<(U\u20ACo8Ec$qi72e`QaNtl=_:SAV#", u"k{K%T5.\u00AC\?>J0WH&nps~6Fb4CIg^[vd9Dz*\u00A3Y"}, // 87
    {u"G}0wI,hq8/ft\u00AC=OjU]r6bW9[V&iAzN^E.HC5_u*\u00A7nl)@\?-:\u20AC7|Yd$T>x+oaMs<Pc Se1B'", u"yKR`\u00D8Z4X\u00A3;3{p#F\\\u00BFkv~%LQm(g2JD"}, // 88
    {u"`E~}Hz@); YO+#hJI\u00A7i]u2fd4\u00D8l^mqXQ5{s7GZyBNr&,o8\\Ca%96\u00ACPe_p*1t\u00BFSj-W<0\u00A3gb=\?wnD/vV'U\u20AC3", u":[TLRF$kc.>KM|A(x"}, // 89
    {u"b\u00A7aXlTn.}<NDe*[Q`5g)&-3\?J9@2SUtr\u00D8j7Z $f\u20AC:oiwCF{p6'\u00A3zGv=L\u00AC\u00BF#yW|AR;k\\1]hYBE,Kd+%>_I~cOus4Pm/V8H", u"x0(^Mq"}, // 90
    {u"0*:eWv(G`3Di]FVXo4+cEPm{,\?gB'\u00A7HhU=T9}\u00BFS8J[^)zKrws\u00AC@NxCLAMy|1lIn2>;pq7%dau&Z\u00D8k_jR ft5$6QYb\u00A3", u"~/\\#.-O\u20AC<"}, // 91
    {u"m:rh{,.S", u"t8-/n50wc'\\PQK>AFg%$BI)X\u00AC^fCEYbly#GN\u00A31<s@ad6*3[W~VqeLZ2kMT\?oR(D\u00A7_9;+=\u00D8\u20ACujJ}H`i vxOU7pz4]\u00BF&|"}, // 92
    {u"G\u00BF7)NQ{", u"IFM:^fAUtl~[$D\u00D8Z\u00A3Ea-<ik}0>npSz14C|.\u00ACb\u00A7O/KW\\JYs6;#j`c9HdyXB@V%'+=gP,r 3R*_xL5\u20ACvu8(oemq2h]\?wT&"}, // 93
    {u"\u00BFV>Zi9-.v]}KTd=C\u20ACUA:)s/xlO_k8'<eRf{H+&\u00AC", u"yM\?(@1QNcgFjoJ^[*p 4\\~mnG|bYWt;5D$%zI\u00A3X2hLBPuq6\u00D8S`#\u00A7ra37w,0E"}, // 94
    {u"D-<3;8YfW5|+JE$b`T)h", u"}:4U\u00A3\u00D8{2e\u00A7uw6\u00ACS&0P1Qxa(\u00BF'Hj\u20ACC.^pz\\7Lo~/mVtG\?IcdnMq@k,9%*OX#BK[yN]sivg=_Z ARFl>r"}, // 95
    {u"r|`djevE$_BO4Qn)[-D6^;KpN,A3\?g}5YP%\u20ACq\\k\u00A3z0C&M9+R8<L>fHFT.SwWs\u00A7h:l'xm(IJ UyZaXc2\u00BFi#=uo1", u"bV7\u00D8t{~G/]*@\u00AC"}, // 96
    {u"d*on6~_g;ze'Oix\\t1%]r$3\u00A7VJ{.T", u"=GP\u00A3|Iv9+&:D,p8u5BbWq2Kw[CYFcURahl 4yH\u00ACQ>M#j^\u00BFfSZ7}sN(k/@)<0EmX\u20AC\?LA`\u00D8-"}, // 97
    {u"]}V\u00BFw2EeQUK*XL&)9P\u00AC+Sq.pn>|D=lI,ta4g\u20AC<ZR[v3{kNm", u"(u_zhA%\u00A3FB#j~:\\$@6-;0/bO1y\u00A7cfG'\u00D8r5 sx7TC^oJM8HiWd\?Y`"}, // 98
    {u"FVXf(_x@cbNCjz>/{Lmryv'+d06QWY.-nS1AR%9DZB[q\u00A3O)*^;JU\u00AC|4]tG\u00D8k$MP75w\u20AC&u#H\\phK}I:aT\?\u00A72\u00BFEe=iog~<`s83 l,", u""}, // 99
}};
// clang-format on

}  // namespace

void FillKeyLibrary(KeyLibrary& library) {
    library[0] = Alphabet();
    for (std::size_t n = 1; n < library.size(); ++n) {
        library[n] = JoinKey(LibraryKeys[n - 1]);
    }
}

}  // namespace velk
