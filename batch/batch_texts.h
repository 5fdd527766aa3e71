// Every text of drovu-solve that the window program does not have itself, in
// English and Japanese side by side. The messages of the Solve command and
// of the data-file reader come from their own tables, byte for byte.
#pragma once

#include "solver/texts.h"

enum class BatchText {
    Help,
    UnknownOption,
    MissingValue,
    BadKey,
    BadRounding,
    BadLanguage,
    BadFormat,
    NoFiles,
    BadInput,
    JsonlNeedsScriptFormat,
    TryHelp,
    CannotCreateOutput,
    CannotWriteOutput,
    KeyLabel,
    SolvedWithKey,
    CannotRead,
    OutputIsInput,
    NoteNotNumbers,  // the reader's notes, in NoteCode's order
    NoteJoinedLines,
    NoteSingleField,
    NoteLongField,
    NoteEmptyField,
    NoteNoImaginaryPart,
    NoteAfterLastRow,
    NoteLfLineEnds,
    Count
};

constexpr TextPair kBatchTexts[] = {
    {"Usage: drovu-solve [OPTION]... FILE...\n"
     "Solves the equation of each coefficient data FILE (- is standard input)\n"
     "as the Solve command of Drovu does, and writes the report that Save Data\n"
     "would write, or the roots and error figures as CSV or JSON for scripts.\n"
     "\n"
     "  --key KEY     key to solution: standard (default), param, deflation,\n"
     "                param-deflation, simultaneous, or auto (below)\n"
     "  --round E-N   round the solution and the error, N = 4..8 (default: off)\n"
     "  --lang en|ja  language of the messages and of the report's closing note\n"
     "  --format F    report (default), csv or json\n"
     "  --input jsonl equations as JSON Lines from the FILEs, or from standard\n"
     "                input when FILE is - or none is given (below)\n"
     "  --highest-first  JSON Lines arrays start with the highest power\n"
     "  -o FILE       write to FILE instead of standard output (-o - is standard\n"
     "                output); FILE is replaced only by a finished output, and\n"
     "                only when something was written about a file\n"
     "  -q, --quiet   do not tell on standard error what the reader passed over\n"
     "  --help        show this help and exit\n"
     "  --version     show the version and exit\n"
     "\n"
     "With several files, each report is headed by a line \"==> FILE <==\".\n"
     "auto uses simultaneous iteration; where it finds no solution, the first of\n"
     "the other four, in their order, whose solution has no large error, or else\n"
     "the first that solved.\n"
     "simultaneous (simultaneous iteration) improves all roots at once from the\n"
     "coefficients as typed, in twice the precision near multiple roots; choose\n"
     "it where the other keys find no convergence or give large errors, or for\n"
     "roots as accurate as the coefficients allow. The window offers the other\n"
     "four.\n"
     "-o writes a device or FIFO directly and a symbolic link through; otherwise\n"
     "a new file beside the target, made exclusively and removed on failure or\n"
     "on a signal, takes the target's place and permission bits at the end. A\n"
     "read-only target is not replaced, and -o naming a data file is refused.\n"
     "Standard error says \"FILE:LINE: ...\" for each line the reader passed over\n"
     "and where it stopped reading; JSON gives the same as \"notes\".\n"
     "\n"
     "CSV and JSON are UTF-8 and carry the roots and error figures as the finder\n"
     "computed them, each rounded once to double, with 17 significant digits and\n"
     "no decimal clean-up (the report's texts have one); with --round, the\n"
     "rounded values the report shows, with the digits the rounding keeps.\n"
     "A value that is not a finite number (an error figure too large for a\n"
     "double) is null in JSON and an empty field in CSV.\n"
     "  csv   a header line, then a line per root (CR LF line ends):\n"
     "          file,root,re,im,error_re,error_im,key,large_error\n"
     "          cubic.txt,1,3,-3.4355378814386308e-20,1.2212453270876722e-15,...\n"
     "        large_error is 1 when the report would carry its closing note.\n"
     "  json  a line per file (JSON Lines); a file that fails gives its status,\n"
     "        a stable error code and its message instead of the roots:\n"
     "          {\"file\":\"cubic.txt\",\"status\":0,\"key\":\"standard\",\"degree\":3,\n"
     "           \"roots\":[[3,-3.4355378814386308e-20],...],\"errors\":[[...],...],\n"
     "           \"large_error\":false}\n"
     "          {\"file\":\"x.txt\",\"status\":2,\"error\":\"file_missing\",\"caption\":\"Error\",\n"
     "           \"message\":\"...\"}\n"
     "With simultaneous (and auto when it uses it), CSV gains the columns\n"
     "radius,cluster,cluster_size and JSON \"radii\", \"clusters\" ([index, size]\n"
     "per root) and \"proven\". The radii are proven: every root of the equation\n"
     "as written (the coefficient texts, taken exactly) lies within the radius of\n"
     "some root printed, and a cluster of m overlapping disks holds exactly m\n"
     "roots, counted with multiplicity. Inside a cluster they do not say which\n"
     "disk holds which root, nor anything about values the texts stand for but\n"
     "do not write. A radius not proven is null (CSV: empty); \"proven\" is true\n"
     "when every radius is finite.\n"
     "\n"
     "JSON Lines: one equation per line, {\"coefficients\": [c0, c1, ..., cn],\n"
     "\"id\": ...}, c_k multiplying X^k (--highest-first: numpy.roots' order), each\n"
     "a number or a pair [re, im], read at full precision; \"id\" (any JSON) is\n"
     "echoed, else the line number is given as \"line\". Any degree with the\n"
     "default key, simultaneous, and with auto (simultaneous first); the other\n"
     "keys up to degree 29. Zero high coefficients are dropped, zero low ones give\n"
     "exact zero roots. A bad line gives \"error\": bad_json, no_coefficients,\n"
     "not_a_number, out_of_range, zero_polynomial, degree_zero, degree_too_high,\n"
     "or the Solve command's code, and the stream goes on. Answers come in input\n"
     "order, so GNU parallel spreads a stream over cores or machines (give ids):\n"
     "  parallel --pipe -k -j 4 drovu-solve --input jsonl --format json <in >out\n"
     "\n"
     "One drovu-solve solves one equation at a time. For many files, run one per\n"
     "core, each with its own output, and join the JSON Lines:\n"
     "  ls *.txt | xargs -n 100 -P \"$(nproc)\" \\\n"
     "    sh -c 'drovu-solve --format json -o \"part.$$.jsonl\" \"$@\"' sh\n"
     "  cat part.*.jsonl >all.jsonl\n"
     "\n"
     "Exit status: 0 every file solved, 1 wrong usage, 2 a file unreadable or\n"
     "without data, 3 coefficients refused, 4 no solution, 5 the output could not\n"
     "be written. With several files: the status of the first failure, or 5.\n",
     "使い方: drovu-solve [オプション]... ファイル...\n"
     "係数データファイル (- は標準入力) ごとに Drovu の「方程式の解」と同じように\n"
     "方程式を解き,\n"
     "「データ保存」と同じ報告を書き出します. スクリプト向けに解と誤差を\n"
     "CSV または JSON で書き出すこともできます.\n"
     "\n"
     "  --key 解法    standard (既定), param, deflation, param-deflation,\n"
     "                simultaneous, または auto (下記)\n"
     "  --round E-N   解と誤差を丸めます, N = 4..8 (既定: 丸めない)\n"
     "  --lang en|ja  メッセージと報告の末尾の注の言語\n"
     "  --format 形式 report (既定), csv または json\n"
     "  --input jsonl 方程式を JSON Lines でファイルから, ファイルが - または\n"
     "                指定なしのときは標準入力から読みます (下記)\n"
     "  --highest-first  JSON Lines の配列は最高次の係数から始まります\n"
     "  -o ファイル   標準出力の代わりにファイルへ書きます (-o - は標準出力).\n"
     "                書き終えた出力だけで, どれかのファイルについて何か書けた\n"
     "                ときだけファイルを置き換えます\n"
     "  -q, --quiet   読み飛ばした行を標準エラーに知らせません\n"
     "  --help        この説明を表示して終了します\n"
     "  --version     版を表示して終了します\n"
     "\n"
     "複数のファイルでは, 各報告の前に \"==> ファイル <==\" の行が付きます.\n"
     "auto は同時反復法を使います. それが解を得られないときだけ, 他の四つを順に\n"
     "試して誤差の大きくない解を出した最初の解法を, なければ解けた最初の解法を\n"
     "使います.\n"
     "simultaneous (同時反復法) は, 入力どおりの係数からすべての根を同時に改良し,\n"
     "重根の近くでは 2 倍の精度で計算します. 他の解法が収束しないときや誤差が\n"
     "大きいとき, また係数が許すかぎり正確な根が欲しいときに選んでください.\n"
     "ウィンドウで選べるのは他の四つです.\n"
     "-o はデバイスや FIFO には直接書き, シンボリックリンクはその先へ書きます.\n"
     "それ以外は同じフォルダーに排他的に作った新しいファイルに書き (失敗や\n"
     "シグナルのときは消します), 最後に元のファイルの許可ビットで置き換えます.\n"
     "読み取り専用のファイルは置き換えず, データファイルを -o に指定すると\n"
     "使い方の誤りです. 読み飛ばした行と読み取りを打ち切った所は, 標準エラーに\n"
     "\"ファイル:行: ...\" と, JSON では \"notes\" に書きます.\n"
     "\n"
     "CSV と JSON は UTF-8 で, 解と誤差を求解したとおりの値で書きます. 各値は\n"
     "倍精度に一度だけ丸め, 有効数字 17 桁, 10 進の整形はしません (報告の表示は\n"
     "整形します). --round では報告が示す丸めた値を, 丸めた桁数で書きます.\n"
     "有限の数でない値 (倍精度に収まらない誤差) は JSON では null,\n"
     "CSV では空の欄です.\n"
     "  csv   見出しの行, 続いて根ごとに 1 行 (行末は CR LF):\n"
     "          file,root,re,im,error_re,error_im,key,large_error\n"
     "          cubic.txt,1,3,-3.4355378814386308e-20,1.2212453270876722e-15,...\n"
     "        large_error は報告に末尾の注が付くとき 1 です.\n"
     "  json  ファイルごとに 1 行 (JSON Lines). 解けなかったファイルは根の代わりに\n"
     "        終了状態, 変わらない誤りコードとメッセージを書きます:\n"
     "          {\"file\":\"cubic.txt\",\"status\":0,\"key\":\"standard\",\"degree\":3,\n"
     "           \"roots\":[[3,-3.4355378814386308e-20],...],\"errors\":[[...],...],\n"
     "           \"large_error\":false}\n"
     "          {\"file\":\"x.txt\",\"status\":2,\"error\":\"file_missing\",\"caption\":\"Error\",\n"
     "           \"message\":\"...\"}\n"
     "simultaneous (それを使った auto も) では, CSV に radius,cluster,\n"
     "cluster_size の欄が, JSON に \"radii\", \"clusters\" (根ごとに [番号, 大きさ]),\n"
     "\"proven\" が加わります. 半径は証明済みです: 書かれたとおりの方程式 (係数の\n"
     "文字列を正確に読んだもの) の根はどれも, 書き出した根のどれかからその半径\n"
     "の内にあり, 重なり合う m 個の円のクラスタはちょうど m 個の根を重複度を\n"
     "数えて含みます. クラスタの中でどの円がどの根を含むか, また文字列に書かれて\n"
     "いない値については何も言いません. 証明できなかった半径は null (CSV では\n"
     "空) で, \"proven\" はすべての半径が有限のとき true です.\n"
     "\n"
     "JSON Lines: 1 行に一つの方程式 {\"coefficients\": [c0, c1, ..., cn], \"id\": ...}.\n"
     "c_k は X^k の係数 (--highest-first では numpy.roots の順), 数または組\n"
     "[re, im] で, 精度を落とさず読みます. \"id\" (任意の JSON) はそのまま返し,\n"
     "ないときは行番号を \"line\" で返します. 既定の解法 simultaneous と auto\n"
     "(simultaneous から試します) は何次でも, 他の解法は 29 次まで解きます.\n"
     "最高次側のゼロの係数は除き, 低次側のゼロの係数は厳密なゼロ根になります.\n"
     "不正な行は \"error\" (bad_json, no_coefficients, not_a_number, out_of_range,\n"
     "zero_polynomial, degree_zero, degree_too_high, または「方程式の解」のコード)\n"
     "を返し, 続く行を解きます. 答えは入力の順なので, GNU parallel で複数のコアや\n"
     "マシンに分けられます (id を付けてください):\n"
     "  parallel --pipe -k -j 4 drovu-solve --input jsonl --format json <in >out\n"
     "\n"
     "drovu-solve は一度に一つの方程式を解きます. 多数のファイルは, コアごとに\n"
     "一つずつ, それぞれ別の出力で動かし, JSON Lines をつなげてください:\n"
     "  ls *.txt | xargs -n 100 -P \"$(nproc)\" \\\n"
     "    sh -c 'drovu-solve --format json -o \"part.$$.jsonl\" \"$@\"' sh\n"
     "  cat part.*.jsonl >all.jsonl\n"
     "\n"
     "終了状態: 0 すべて解けた, 1 使い方の誤り, 2 ファイルが読めない・データが\n"
     "ない, 3 係数が不正, 4 解が得られない, 5 出力を書けない. 複数のファイルでは\n"
     "最初の失敗の状態, ただし 5 が優先します.\n"},
    {"unknown option: %s", "不明なオプションです: %s"},
    {"option %s needs a value", "オプション %s には値が必要です"},
    {"unknown key to solution: %s (standard, param, deflation, param-deflation, simultaneous, auto)",
     "不明な解法です: %s (standard, param, deflation, param-deflation, simultaneous, auto)"},
    {"unknown rounding: %s (E-4, E-5, E-6, E-7 or E-8)",
     "不明な丸めです: %s (E-4, E-5, E-6, E-7 または E-8)"},
    {"unknown language: %s (en or ja)", "不明な言語です: %s (en または ja)"},
    {"unknown format: %s (report, csv or json)", "不明な形式です: %s (report, csv または json)"},
    {"no data file given", "データファイルが指定されていません"},
    {"unknown input: %s (files or jsonl)", "不明な入力です: %s (files または jsonl)"},
    {"--input jsonl writes --format json or csv; the report is made from data files",
     "--input jsonl では --format json または csv を使ってください. 報告はデータファイルから作ります"},
    {"Try 'drovu-solve --help'.", "'drovu-solve --help' をご覧ください."},
    {"Unable to create the output file %s.", "出力ファイル %s を作成できません."},
    {"Unable to write the output %s.", "出力 %s に書き込めません."},
    {"key %s", "解法 %s"},
    {"solved with key %s", "解法 %s で解きました"},
    {"The file cannot be read.", "ファイルを読めません."},
    {"the output %s is one of the data files", "出力 %s はデータファイルの一つです"},
    {"not two numbers: line passed over", "二つの数値ではありません: 行を読み飛ばしました"},
    {"a single field: passed over together with the next line", "欄が一つだけです: 次の行と一緒に読み飛ばしました"},
    {"a single field at the end of the file: passed over", "ファイルの終わりの欄が一つだけです: 読み飛ばしました"},
    {"no field ends within 255 bytes: reading stopped here",
     "255 バイト以内に終わる欄がありません: ここで読み込みを終えました"},
    {"the line starts with a TAB or a comma: reading stopped here",
     "行が TAB またはコンマで始まります: ここで読み込みを終えました"},
    {"no imaginary part after the separator: reading stopped here",
     "区切りの後に虚数部がありません: ここで読み込みを終えました"},
    {"more data after the 30th coefficient: not read", "30 番目の係数の後のデータは読みません"},
    {"lines end with LF alone; data files need CR LF line ends (for other files, see --input jsonl)",
     "行末が LF だけです. データファイルの行末は CR LF です (他のファイルには --input jsonl をどうぞ)"},
};
static_assert(sizeof kBatchTexts / sizeof kBatchTexts[0] == static_cast<int>(BatchText::Count),
              "one pair per text");

inline const char* batch_text(BatchText id)
{
    return pick_text(kBatchTexts[static_cast<int>(id)]);
}
