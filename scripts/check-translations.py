#!/usr/bin/env python3
"""Fails, naming each one, on a text a user sees that the widget code passes
without marking it for translation, and on an entry of a translation that is
unfinished or whose text is no longer in the code.
Usage: check-translations.py SOURCE_ROOT LUPDATE"""
import pathlib, re, shutil, subprocess, sys, tempfile
import xml.etree.ElementTree as ET

# Calls whose string arguments a user reads.
SHOWN = re.compile(r"\b(setText|setWindowTitle|addAction|addMenu|addTab|setTabText|setToolTip|"
                   r"setStatusTip|setPlaceholderText|setAccessibleName|setAccessibleDescription|"
                   r"setHtml|setTitle|showMessage|setHeaderLabels|drawText|chartText|QMessageBox::\w+|"
                   r"new Q(?:Label|PushButton|CheckBox|RadioButton|GroupBox|Action|Menu))\s*\(")
MARKS = {"tr", "translate", "translated", "QT_TRANSLATE_NOOP", "QT_TR_NOOP"}
# Calls whose string arguments name a file or an address, not a text.
INERT = {"icon", "pngIcon", "QIcon", "QUrl", "fromLocalFile", "pictureOf"}
# Texts no language changes: the program's name and version, and sign-only texts.
ALLOWED = {"Paysmith, ", "Paysmith"}
TOKEN = re.compile(r'"(?:\\.|[^"\\])*"|//[^\n]*|/\*.*?\*/|[A-Za-z_:]+\s*\(|[()]', re.S)


def unmarked(path):
    text = path.read_text(encoding="utf-8")
    for call in SHOWN.finditer(text):
        stack = [call.group(1)]
        for token in TOKEN.finditer(text, call.end()):
            t = token.group()
            if t.startswith("//") or t.startswith("/*"):
                continue
            if t.endswith("("):
                stack.append(t[:-1].strip().split("::")[-1])
            elif t == ")":
                stack.pop()
                if not stack:
                    break
            elif (re.search("[A-Za-z]{2}", re.sub(r"<[^>]*>|%\d", "", t))
                  and t[1:-1] not in ALLOWED and not (MARKS | INERT).intersection(stack)):
                line = text.count("\n", 0, token.start()) + 1
                yield f"{path}:{line}: {t} is shown untranslated; wrap it in tr()"


def stale_entries(root, lupdate, ts):
    with tempfile.TemporaryDirectory() as folder:
        fresh = pathlib.Path(folder) / ts.name
        shutil.copy(ts, fresh)
        subprocess.run([lupdate, "-silent", "-recursive", "-no-obsolete", "-locations", "none",
                        str(root / "src"), "-ts", str(fresh)], check=True)
        text = lambda e: "".join(e.itertext())
        entries = lambda tree: {(c.findtext("name"), text(m.find("source"))): m.find("translation")
                                for c in tree.iter("context") for m in c.iter("message")}
        now, committed = entries(ET.parse(fresh)), entries(ET.parse(ts))
    for (context, source), translation in now.items():
        if translation.get("type") == "unfinished" or not "".join(translation.itertext()).strip():
            yield f"{ts.name}: unfinished in {context}: {source!r}"
    for (context, source), translation in committed.items():
        if (context, source) not in now or translation.get("type") in ("vanished", "obsolete"):
            yield f"{ts.name}: no longer in the code, in {context}: {source!r}"


def main(root, lupdate):
    root = pathlib.Path(root)
    problems = [p for f in sorted(root.glob("src/**/*.cpp")) for p in unmarked(f)]
    for ts in sorted(root.glob("resources/translations/*.ts")):
        problems += stale_entries(root, lupdate, ts)
    print("\n".join(problems) or "every shown text is marked and translated")
    if problems:
        print("Mark the texts, run `cmake --build build --target paysmith_lupdate` and "
              "translate what it added (Qt Linguist or any editor).")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
