<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>paysmith::ChartDescription</name>
    <message>
        <source>%1 from %2 to %3 in %4</source>
        <translation>%1 von %2 auf %3 in %4</translation>
    </message>
    <message>
        <source>%1 years</source>
        <translation>%1 Jahren</translation>
    </message>
    <message>
        <source>%1 year</source>
        <translation>%1 Jahr</translation>
    </message>
    <message>
        <source>%1: nothing to draw</source>
        <translation>%1: nichts zu zeichnen</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 bei %2</translation>
    </message>
</context>
<context>
    <name>paysmith::CommandLine</name>
    <message>
        <source>Paysmith compares two loans side by side. Without options it opens its window.</source>
        <translation>Paysmith vergleicht zwei Darlehen nebeneinander. Ohne Optionen öffnet es sein Fenster.</translation>
    </message>
    <message>
        <source>Print both saved loans and their figures as JSON, without opening the window.</source>
        <translation>Beide gespeicherten Darlehen und ihre Zahlen als JSON ausgeben, ohne das Fenster zu öffnen.</translation>
    </message>
    <message>
        <source>Read the loans from &lt;file&gt; instead of the saved settings.</source>
        <translation>Die Darlehen aus &lt;file&gt; statt aus den gespeicherten Einstellungen lesen.</translation>
    </message>
    <message>
        <source>--settings is used with --report</source>
        <translation>--settings gilt nur zusammen mit --report</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>amount borrowed</source>
        <translation>Darlehensbetrag</translation>
    </message>
    <message>
        <source>number of payments</source>
        <translation>Anzahl der Zahlungen</translation>
    </message>
    <message>
        <source>annual interest rate</source>
        <translation>Jahreszinssatz</translation>
    </message>
    <message>
        <source>annual taxes</source>
        <translation>Steuern/Jahr</translation>
    </message>
    <message>
        <source>annual insurance</source>
        <translation>Versicherung/Jahr</translation>
    </message>
    <message>
        <source>payment</source>
        <translation>Zahlungsbetrag</translation>
    </message>
    <message>
        <source>Loan %1: the %2 %3 does not fit its field; it counts as 0, as in the window.</source>
        <translation>Darlehen %1: Der Wert %3 für %2 passt nicht in sein Feld und zählt wie im Fenster als 0.</translation>
    </message>
    <message>
        <source>Loan %1: the lump sum %2 is left out. %3</source>
        <translation>Darlehen %1: Die Einmalzahlung %2 bleibt unberücksichtigt. %3</translation>
    </message>
    <message>
        <source>Loan %1: the extra payment %2 is left out. %3</source>
        <translation>Darlehen %1: Die Sondertilgung %2 bleibt unberücksichtigt. %3</translation>
    </message>
    <message>
        <source>The years kept, %1, are fewer than %2; the longer term is used instead.</source>
        <translation>Die Haltedauer von %1 Jahren ist kürzer als %2; stattdessen gilt die längere Laufzeit.</translation>
    </message>
    <message>
        <source>%1 holds no Paysmith settings</source>
        <translation>%1 enthält keine Paysmith-Einstellungen</translation>
    </message>
</context>
<context>
    <name>paysmith::CompareEntries</name>
    <message>
        <source>Loan 1</source>
        <translation>Darlehen 1</translation>
    </message>
    <message>
        <source>Loan 2</source>
        <translation>Darlehen 2</translation>
    </message>
    <message>
        <source>Fees of %1 paid at closing, counted as a cost of borrowing</source>
        <translation>Gebühren für %1, bei Abschluss gezahlt und als Kreditkosten gezählt</translation>
    </message>
    <message>
        <source>Points of %1 paid at closing, in percent of the amount</source>
        <translation>Disagio-Punkte für %1, bei Abschluss gezahlt, in Prozent des Betrags</translation>
    </message>
    <message>
        <source>Paid to principal with every payment of %1</source>
        <translation>Mit jeder Rate für %1 zusätzlich getilgt</translation>
    </message>
    <message>
        <source>Paid to principal once, with the payment named beside it</source>
        <translation>Einmal zusätzlich getilgt, mit der daneben genannten Rate</translation>
    </message>
    <message>
        <source>The payment of %1 that the lump sum goes with; 0 for no lump sum</source>
        <translation>Die Rate für %1, mit der die Einmalzahlung geleistet wird; 0 für keine Einmalzahlung</translation>
    </message>
    <message>
        <source>%1, Loan 1</source>
        <translation>%1, Darlehen 1</translation>
    </message>
    <message>
        <source>%1, Loan 2</source>
        <translation>%1, Darlehen 2</translation>
    </message>
    <message>
        <source>Poin&amp;ts (%)</source>
        <translation>Pun&amp;kte (%)</translation>
    </message>
    <message>
        <source>E&amp;xtra each payment</source>
        <translation>&amp;Sondertilgung je Rate</translation>
    </message>
    <message>
        <source>&amp;Lump sum</source>
        <translation>Ein&amp;malzahlung</translation>
    </message>
    <message>
        <source>with pay&amp;ment no.</source>
        <translation>mit &amp;Rate Nr.</translation>
    </message>
    <message>
        <source>How long you expect to keep either loan before you sell or refinance</source>
        <translation>Wie lange Sie das Darlehen voraussichtlich behalten, bevor Sie verkaufen oder umschulden</translation>
    </message>
    <message>
        <source>Years &amp;kept</source>
        <translation>Haltedauer (&amp;Jahre)</translation>
    </message>
    <message>
        <source>APR (United States)</source>
        <translation>APR (Vereinigte Staaten)</translation>
    </message>
    <message>
        <source>APRC (European Union)</source>
        <translation>Effektiver Jahreszins (EU)</translation>
    </message>
    <message>
        <source>The rate that counts fees and points: the United States&apos; APR or the European Union&apos;s APRC</source>
        <translation>Der Zins, der Gebühren und Punkte einrechnet: die APR der Vereinigten Staaten oder der effektive Jahreszins der EU</translation>
    </message>
    <message>
        <source>&amp;Rate shown as</source>
        <translation>Zins&amp;angabe als</translation>
    </message>
    <message>
        <source>&amp;Closing fees</source>
        <translation>Abschluss&amp;gebühren</translation>
    </message>
</context>
<context>
    <name>paysmith::ComparePage</name>
    <message>
        <source>Loan 1</source>
        <translation>Darlehen 1</translation>
    </message>
    <message>
        <source>Loan 2</source>
        <translation>Darlehen 2</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message>
        <source>Save the comparison as a CSV file for a spreadsheet</source>
        <translation>Den Vergleich als CSV-Datei für eine Tabellenkalkulation speichern</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Dr&amp;ucken...</translation>
    </message>
    <message>
        <source>Print the comparison</source>
        <translation>Den Vergleich drucken</translation>
    </message>
    <message>
        <source>P&amp;DF...</source>
        <translation>&amp;PDF...</translation>
    </message>
    <message>
        <source>Save the comparison as a PDF file</source>
        <translation>Den Vergleich als PDF-Datei speichern</translation>
    </message>
    <message>
        <source>Export Comparison</source>
        <translation>Vergleich exportieren</translation>
    </message>
    <message>
        <source>loans-compared.csv</source>
        <translation>darlehensvergleich.csv</translation>
    </message>
    <message>
        <source>Which offer costs less</source>
        <translation>Welches Angebot weniger kostet</translation>
    </message>
    <message>
        <source>Closing fees</source>
        <translation>Abschlussgebühren</translation>
    </message>
    <message>
        <source>Years kept</source>
        <translation>Haltedauer (Jahre)</translation>
    </message>
    <message>
        <source>Points (% of the amount)</source>
        <translation>Punkte (% des Betrags)</translation>
    </message>
    <message>
        <source>Extra each payment</source>
        <translation>Sondertilgung je Rate</translation>
    </message>
    <message>
        <source>%1 with payment %2</source>
        <translation>%1 mit Rate %2</translation>
    </message>
    <message>
        <source>Lump sum</source>
        <translation>Einmalzahlung</translation>
    </message>
    <message>
        <source>Both offers compared</source>
        <translation>Beide Angebote im Vergleich</translation>
    </message>
    <message>
        <source>loans-compared.pdf</source>
        <translation>darlehensvergleich.pdf</translation>
    </message>
    <message>
        <source>Loan %1: %2</source>
        <translation>Darlehen %1: %2</translation>
    </message>
</context>
<context>
    <name>paysmith::ComparisonView</name>
    <message>
        <source>Both offers compared</source>
        <translation>Beide Angebote im Vergleich</translation>
    </message>
    <message>
        <source>What each offer costs, with its fees and points, and what paying early saves</source>
        <translation>Was jedes Angebot mit Gebühren und Punkten kostet und was vorzeitiges Tilgen spart</translation>
    </message>
    <message>
        <source>Cost of borrowing against years</source>
        <translation>Kreditkosten über die Jahre</translation>
    </message>
    <message>
        <source>Fees, points and interest paid so far by each loan</source>
        <translation>Gebühren, Punkte und bisher gezahlte Zinsen jedes Darlehens</translation>
    </message>
    <message>
        <source>Fees and points</source>
        <translation>Gebühren und Punkte</translation>
    </message>
    <message>
        <source>APRC (%)</source>
        <translation>Effektiver Jahreszins (%)</translation>
    </message>
    <message>
        <source>APR (%)</source>
        <translation>APR (%)</translation>
    </message>
    <message>
        <source>Cost of borrowing if kept %1 years</source>
        <translation>Kreditkosten nach %1 Jahren</translation>
    </message>
    <message>
        <source>Balance still owed then</source>
        <translation>Dann noch geschuldet</translation>
    </message>
    <message>
        <source>Payments until paid off</source>
        <translation>Raten bis zur Tilgung</translation>
    </message>
    <message>
        <source>Years until paid off</source>
        <translation>Jahre bis zur Tilgung</translation>
    </message>
    <message>
        <source>Interest with extra payments</source>
        <translation>Zinsen mit Sondertilgungen</translation>
    </message>
    <message>
        <source>Interest saved by extra payments</source>
        <translation>Durch Sondertilgungen gesparte Zinsen</translation>
    </message>
    <message>
        <source>kept</source>
        <translation>Haltedauer</translation>
    </message>
    <message>
        <source>Loan %1 cheaper</source>
        <translation>Darlehen %1 günstiger</translation>
    </message>
    <message>
        <source>Loan %1&apos;s fees and points are too large to count.</source>
        <translation>Gebühren und Disagio von Darlehen %1 sind zu groß, um sie zu zählen.</translation>
    </message>
    <message>
        <source>The costs over time cannot be compared.</source>
        <translation>Die Kosten über die Zeit lassen sich nicht vergleichen.</translation>
    </message>
    <message>
        <source>Kept %1 years, Loan %2 costs less.</source>
        <translation>Nach %1 Jahren Haltedauer kostet Darlehen %2 weniger.</translation>
    </message>
    <message>
        <source>Kept %1 years, both offers cost the same.</source>
        <translation>Nach %1 Jahren Haltedauer kosten beide Angebote gleich viel.</translation>
    </message>
    <message>
        <source>Kept longer, it stays the cheaper one.</source>
        <translation>Länger behalten, bleibt es das günstigere.</translation>
    </message>
    <message>
        <source>Loan %1 from %2 years on</source>
        <translation>Darlehen %1 ab %2 Jahren</translation>
    </message>
    <message>
        <source>Kept longer, the cheaper one changes: %1.</source>
        <translation>Länger behalten, wechselt das günstigere: %1.</translation>
    </message>
    <message>
        <source>Loan %1: %2 %3 %, cost %4, balance then %5.</source>
        <translation>Darlehen %1: %2 %3 %, Kosten %4, dann noch geschuldet %5.</translation>
    </message>
    <message>
        <source>APRC</source>
        <translation>Effektiver Jahreszins</translation>
    </message>
    <message>
        <source>APR</source>
        <translation>APR</translation>
    </message>
</context>
<context>
    <name>paysmith::DesktopShell</name>
    <message>
        <source>No program on this desktop could open %1</source>
        <translation>Kein Programm auf diesem Desktop konnte %1 öffnen</translation>
    </message>
</context>
<context>
    <name>paysmith::DocumentOutput</name>
    <message>
        <source>The file %1 could not be written. Nothing was saved.</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden. Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>paysmith::FieldAlerts</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>paysmith::FiguresPrintout</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>paysmith::FiguresTable</name>
    <message>
        <source>Loan 1</source>
        <translation>Darlehen 1</translation>
    </message>
    <message>
        <source>Loan 2</source>
        <translation>Darlehen 2</translation>
    </message>
    <message>
        <source>Loan 2 − Loan 1</source>
        <translation>Darlehen 2 − 1</translation>
    </message>
</context>
<context>
    <name>paysmith::Frequency</name>
    <message>
        <source>Constant</source>
        <translation>Konstant</translation>
    </message>
    <message>
        <source>Daily 365</source>
        <translation>Täglich 365</translation>
    </message>
    <message>
        <source>Daily 360</source>
        <translation>Täglich 360</translation>
    </message>
    <message>
        <source>Weekly 52</source>
        <translation>Wöchentlich 52</translation>
    </message>
    <message>
        <source>Biweekly 26</source>
        <translation>14-tägig 26</translation>
    </message>
    <message>
        <source>Bimonthly 24</source>
        <translation>Halbmonatlich 24</translation>
    </message>
    <message>
        <source>Monthly 12</source>
        <translation>Monatlich 12</translation>
    </message>
    <message>
        <source>Quarterly 4</source>
        <translation>Vierteljährlich 4</translation>
    </message>
    <message>
        <source>Biannually 2</source>
        <translation>Halbjährlich 2</translation>
    </message>
    <message>
        <source>Annually 1</source>
        <translation>Jährlich 1</translation>
    </message>
</context>
<context>
    <name>paysmith::HelpWindow</name>
    <message>
        <source>Paysmith Help</source>
        <translation>Paysmith-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>&lt;p&gt;There is no help topic %1.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Es gibt kein Hilfethema %1.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Help is not available&lt;/h3&gt;&lt;p&gt;The help page &lt;b&gt;%1&lt;/b&gt; was not found. Paysmith looks for its help in the folder &lt;tt&gt;%2&lt;/tt&gt;; reinstalling Paysmith puts it back.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Die Hilfe ist nicht verfügbar&lt;/h3&gt;&lt;p&gt;Die Hilfeseite &lt;b&gt;%1&lt;/b&gt; wurde nicht gefunden. Paysmith sucht seine Hilfe im Ordner &lt;tt&gt;%2&lt;/tt&gt;; eine Neuinstallation von Paysmith stellt sie wieder her.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%1 link</source>
        <translation>Link %1</translation>
    </message>
</context>
<context>
    <name>paysmith::LinkMenu</name>
    <message>
        <source>&amp;Open Link</source>
        <translation>Link ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Copy Link Address</source>
        <translation>Link-Adresse &amp;kopieren</translation>
    </message>
</context>
<context>
    <name>paysmith::LoanPanel</name>
    <message>
        <source>Amount Borrowed  %1</source>
        <translation>Darlehensbetrag  %1</translation>
    </message>
    <message>
        <source> Enter the amount of the loan</source>
        <translation> Geben Sie den Darlehensbetrag ein</translation>
    </message>
    <message>
        <source>Number of Payments</source>
        <translation>Anzahl der Zahlungen</translation>
    </message>
    <message>
        <source>Enter the number of payment periods</source>
        <translation>Geben Sie die Anzahl der Zahlungsperioden ein</translation>
    </message>
    <message>
        <source>Annual Interest Rate  %</source>
        <translation>Jahreszinssatz  %</translation>
    </message>
    <message>
        <source> Enter the annual interest rate</source>
        <translation> Geben Sie den Jahreszinssatz ein</translation>
    </message>
    <message>
        <source>Estimated Annual Taxes  %1</source>
        <translation>Geschätzte Steuern/Jahr  %1</translation>
    </message>
    <message>
        <source> Enter the estimated annual taxes</source>
        <translation> Geben Sie die geschätzten Steuern pro Jahr ein</translation>
    </message>
    <message>
        <source>Estimated Annual Insurance  %1</source>
        <translation>Geschätzte Versicherung/Jahr  %1</translation>
    </message>
    <message>
        <source> Enter the estimated annual insurance</source>
        <translation> Geben Sie die geschätzte Versicherung pro Jahr ein</translation>
    </message>
    <message>
        <source>Payment Amount  %1</source>
        <translation>Zahlungsbetrag  %1</translation>
    </message>
    <message>
        <source>Calculated payment (PITI) amount</source>
        <translation>Berechneter Zahlungsbetrag (Tilgung, Zinsen, Steuern, Versicherung)</translation>
    </message>
    <message>
        <source>Calculated payment amount</source>
        <translation>Berechneter Zahlungsbetrag</translation>
    </message>
    <message>
        <source>Total Interest Paid  %1</source>
        <translation>Zinsen gesamt  %1</translation>
    </message>
    <message>
        <source>Total interest paid over term of loan</source>
        <translation>Über die Laufzeit gezahlte Zinsen gesamt</translation>
    </message>
    <message>
        <source>Total Taxes Paid  %1</source>
        <translation>Steuern gesamt  %1</translation>
    </message>
    <message>
        <source>Total taxes paid over term of loan</source>
        <translation>Über die Laufzeit gezahlte Steuern gesamt</translation>
    </message>
    <message>
        <source>Total Insurance Paid  %1</source>
        <translation>Versicherung gesamt  %1</translation>
    </message>
    <message>
        <source>Total insurance paid over term of loan</source>
        <translation>Über die Laufzeit gezahlte Versicherung gesamt</translation>
    </message>
    <message>
        <source>Total Amount Paid  %1</source>
        <translation>Summe aller Zahlungen  %1</translation>
    </message>
    <message>
        <source>Total amount (PITI) paid over term of loan</source>
        <translation>Über die Laufzeit gezahlter Betrag gesamt (Tilgung, Zinsen, Steuern, Versicherung)</translation>
    </message>
    <message>
        <source>Total amount paid over term of loan</source>
        <translation>Über die Laufzeit gezahlter Betrag gesamt</translation>
    </message>
    <message>
        <source>Loan 1</source>
        <translation>Darlehen 1</translation>
    </message>
    <message>
        <source>Loan 2</source>
        <translation>Darlehen 2</translation>
    </message>
    <message>
        <source>The term of this loan is</source>
        <translation>Laufzeit des Darlehens:</translation>
    </message>
    <message>
        <source>360 months</source>
        <translation>360 Monate</translation>
    </message>
    <message>
        <source>Choose payment frequency</source>
        <translation>Wählen Sie die Zahlungsweise</translation>
    </message>
    <message>
        <source>Payment Frequency</source>
        <translation>Zahlungsweise</translation>
    </message>
    <message>
        <source>%1: payment %2, %3</source>
        <translation>%1: Rate %2, %3</translation>
    </message>
</context>
<context>
    <name>paysmith::Messages</name>
    <message>
        <source>Valid results cannot be calculated using
<byte value="xd"/>the variables you have entered.
<byte value="xd"/>
<byte value="xd"/>Please try again with reasonable values.</source>
        <translation>Mit den eingegebenen Werten lassen sich
keine gültigen Ergebnisse berechnen.

Bitte versuchen Sie es mit sinnvollen Werten erneut.</translation>
    </message>
    <message>
        <source>An error has occurred.<byte value="xd"/>
<byte value="xd"/>
If you wish, you may contact %1    <byte value="xd"/>
<byte value="xd"/>
at:  %2</source>
        <translation>Ein Fehler ist aufgetreten.

Wenn Sie möchten, erreichen Sie %1    

unter:  %2</translation>
    </message>
</context>
<context>
    <name>paysmith::Notebook</name>
    <message>
        <source>%1 page</source>
        <translation>Seite %1</translation>
    </message>
</context>
<context>
    <name>paysmith::PanelStatusBar</name>
    <message>
        <source>Click to visit </source>
        <translation>Klicken Sie, um zu besuchen: </translation>
    </message>
</context>
<context>
    <name>paysmith::Printing</name>
    <message>
        <source>Printing is not available: %1</source>
        <translation>Drucken ist nicht verfügbar: %1</translation>
    </message>
</context>
<context>
    <name>paysmith::PromoPage</name>
    <message>
        <source>Click to go online and learn more about %1!</source>
        <translation>Klicken Sie, um online mehr über %1 zu erfahren!</translation>
    </message>
    <message>
        <source>Know your cash to close before you sign</source>
        <translation>Kennen Sie Ihre Abschlusskosten, bevor Sie unterschreiben</translation>
    </message>
    <message>
        <source>Click to visit our web site and learn more ...</source>
        <translation>Klicken Sie, um unsere Website zu besuchen und mehr zu erfahren ...</translation>
    </message>
    <message>
        <source>%1 lists every charge of a purchase or a refinance, from the lender&apos;s fees to title, escrow and prepaid interest, and adds up the cash you bring to the closing table.</source>
        <translation>%1 listet jede Gebühr eines Kaufs oder einer Umschuldung auf, vom Kreditgeber über Grundbuch und Treuhand bis zu vorausbezahlten Zinsen, und addiert, was Sie zum Abschluss mitbringen.</translation>
    </message>
    <message>
        <source>%1 costs $29.95 for one computer, with a year of free updates. Try it for 30 days before you buy.</source>
        <translation>%1 kostet 29,95 US-Dollar je Computer, ein Jahr Updates inklusive. Testen Sie es 30 Tage vor dem Kauf.</translation>
    </message>
    <message>
        <source>Put up to four lenders&apos; estimates side by side and see which offer really costs less. Try %1 today!</source>
        <translation>Stellen Sie bis zu vier Kreditangebote nebeneinander und sehen Sie, welches wirklich weniger kostet. Testen Sie %1 noch heute!</translation>
    </message>
    <message>
        <source>New in version 3: &lt;B&gt;estimate import&lt;/B&gt; reads the figures straight from your lender&apos;s loan estimate, so you check the numbers instead of typing them, and a printed summary shows where every dollar goes.</source>
        <translation>Neu in Version 3: Der &lt;B&gt;Angebotsimport&lt;/B&gt; liest die Zahlen direkt aus dem Angebot Ihres Kreditgebers, sodass Sie die Zahlen prüfen, statt sie abzutippen, und eine gedruckte Übersicht zeigt, wohin jeder Dollar geht.</translation>
    </message>
    <message>
        <source>How much house will the lender allow?</source>
        <translation>Wie viel Haus gewährt Ihnen der Kreditgeber?</translation>
    </message>
    <message>
        <source>%1 works out the loan a buyer qualifies for from income, debts and each program&apos;s ratios. It comes with the &lt;I&gt;Home Buyer&apos;s Budget Workbook&lt;/I&gt;, the &lt;I&gt;Pre-Qualification Letter Kit&lt;/I&gt; and the &lt;I&gt;Guide to Loan Programs&lt;/I&gt;. Get %1 for $39.95.</source>
        <translation>%1 berechnet aus Einkommen, Schulden und den Quoten jedes Programms, welches Darlehen ein Käufer erhalten kann. Dazu gehören das &lt;I&gt;Home Buyer&apos;s Budget Workbook&lt;/I&gt;, das &lt;I&gt;Pre-Qualification Letter Kit&lt;/I&gt; und der &lt;I&gt;Guide to Loan Programs&lt;/I&gt;. Holen Sie sich %1 für 39,95 US-Dollar.</translation>
    </message>
    <message>
        <source>Visit our web site and learn more!</source>
        <translation>Besuchen Sie unsere Website und erfahren Sie mehr!</translation>
    </message>
    <message>
        <source>See sample letters, read what loan officers say about it and download a free trial.</source>
        <translation>Sehen Sie Musterbriefe, lesen Sie, was Kreditberater darüber sagen, und laden Sie eine kostenlose Testversion herunter.</translation>
    </message>
</context>
<context>
    <name>paysmith::Schedule</name>
    <message>
        <source>An extra payment cannot be negative.</source>
        <translation>Eine Sondertilgung kann nicht negativ sein.</translation>
    </message>
    <message>
        <source>A lump sum cannot be negative.</source>
        <translation>Eine Einmalzahlung kann nicht negativ sein.</translation>
    </message>
    <message>
        <source>This extra payment repays the whole loan in the first period.</source>
        <translation>Diese Sondertilgung zahlt das ganze Darlehen schon in der ersten Periode zurück.</translation>
    </message>
    <message>
        <source>Loan %1 has no schedule: it has no payments.</source>
        <translation>Darlehen %1 hat keinen Tilgungsplan: Es hat keine Zahlungen.</translation>
    </message>
    <message>
        <source>Loan %1 has no schedule: its number of payments is negative.</source>
        <translation>Darlehen %1 hat keinen Tilgungsplan: Seine Anzahl der Zahlungen ist negativ.</translation>
    </message>
    <message>
        <source>Loan %1 has no schedule: it has more payments than the 32,767 a schedule holds.</source>
        <translation>Darlehen %1 hat keinen Tilgungsplan: Es hat mehr Zahlungen als die 32.767, die ein Tilgungsplan fasst.</translation>
    </message>
    <message>
        <source>Loan %1 has no schedule: nothing is borrowed.</source>
        <translation>Darlehen %1 hat keinen Tilgungsplan: Es wird nichts geliehen.</translation>
    </message>
    <message>
        <source>Loan %1 has no schedule: its rate of -100 % or less per period takes the whole balance.</source>
        <translation>Darlehen %1 hat keinen Tilgungsplan: Sein Zinssatz von -100 % oder weniger pro Periode nimmt die ganze Restschuld.</translation>
    </message>
    <message>
        <source>Loan %1 has no schedule: its amounts or its rate are too large to count in cents.</source>
        <translation>Darlehen %1 hat keinen Tilgungsplan: Seine Beträge oder sein Zinssatz sind zu groß, um in Cent zu rechnen.</translation>
    </message>
    <message>
        <source>Loan %1 has no schedule: its payment cannot be computed from these inputs.</source>
        <translation>Darlehen %1 hat keinen Tilgungsplan: Seine Zahlung lässt sich aus diesen Eingaben nicht berechnen.</translation>
    </message>
    <message>
        <source>Loan %1 has no schedule: its payment rounds to %2, which never repays the balance.</source>
        <translation>Darlehen %1 hat keinen Tilgungsplan: Seine Zahlung rundet auf %2 und tilgt die Restschuld daher nie.</translation>
    </message>
    <message>
        <source>Loan %1 has no schedule: its payment, %2, does not cover the interest of the first period, %3.</source>
        <translation>Darlehen %1 hat keinen Tilgungsplan: Seine Zahlung, %2, deckt die Zinsen der ersten Periode, %3, nicht.</translation>
    </message>
    <message>
        <source>Loan %1 has no schedule: its payment, %2, only pays the interest of the first period, %3, so it never repays the balance.</source>
        <translation>Darlehen %1 hat keinen Tilgungsplan: Seine Zahlung, %2, zahlt nur die Zinsen der ersten Periode, %3, und tilgt die Restschuld daher nie.</translation>
    </message>
    <message>
        <source>The lump sum&apos;s payment number must fall within the schedule, from payment %1 to %2. Change the payment number or the extra each payment; a payment number of 0 takes the lump sum away.</source>
        <translation>Die Ratennummer der Einmalzahlung muss in den Tilgungsplan fallen, von Rate %1 bis %2. Ändern Sie die Ratennummer oder die Sondertilgung je Rate; die Ratennummer 0 nimmt die Einmalzahlung weg.</translation>
    </message>
    <message>
        <source>The lump sum does nothing until a payment number is given.</source>
        <translation>Die Einmalzahlung bewirkt nichts, bis eine Ratennummer angegeben ist.</translation>
    </message>
</context>
<context>
    <name>paysmith::ScheduleDocument</name>
    <message>
        <source>Amount borrowed</source>
        <translation>Darlehensbetrag</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>Zahlungsweise</translation>
    </message>
    <message>
        <source>Number of payments</source>
        <translation>Anzahl der Zahlungen</translation>
    </message>
    <message>
        <source>Annual interest rate %</source>
        <translation>Jahreszinssatz %</translation>
    </message>
    <message>
        <source>Annual taxes</source>
        <translation>Steuern pro Jahr</translation>
    </message>
    <message>
        <source>Annual insurance</source>
        <translation>Versicherung pro Jahr</translation>
    </message>
    <message>
        <source>Lender&apos;s schedule of Loan %1</source>
        <translation>Tilgungsplan des Kreditgebers für Darlehen %1</translation>
    </message>
    <message>
        <source>Both loans compared</source>
        <translation>Beide Darlehen im Vergleich</translation>
    </message>
</context>
<context>
    <name>paysmith::ScheduleModel</name>
    <message>
        <source>Period</source>
        <translation>Periode</translation>
    </message>
    <message>
        <source>Principal + interest</source>
        <translation>Tilgung + Zinsen</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Tilgung</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Zinsen</translation>
    </message>
    <message>
        <source>Taxes</source>
        <translation>Steuern</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Versicherung</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Restschuld</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Extra</source>
        <translation>Sondertilgung</translation>
    </message>
</context>
<context>
    <name>paysmith::SchedulePage</name>
    <message>
        <source>Balance against years</source>
        <translation>Restschuld über die Jahre</translation>
    </message>
    <message>
        <source>Lender&apos;s − formula</source>
        <translation>Bank − Formel</translation>
    </message>
    <message>
        <source>Payment with taxes and insurance, formula</source>
        <translation>Zahlung mit Steuern und Versicherung, Formel</translation>
    </message>
    <message>
        <source>Payment with taxes and insurance, lender&apos;s</source>
        <translation>Zahlung mit Steuern und Versicherung, Bank</translation>
    </message>
    <message>
        <source>Total interest, formula</source>
        <translation>Zinsen gesamt, Formel</translation>
    </message>
    <message>
        <source>Total interest, lender&apos;s</source>
        <translation>Zinsen gesamt, Bank</translation>
    </message>
    <message>
        <source>Total paid, formula</source>
        <translation>Gezahlt gesamt, Formel</translation>
    </message>
    <message>
        <source>Total paid, lender&apos;s</source>
        <translation>Gezahlt gesamt, Bank</translation>
    </message>
    <message>
        <source>Cost per year, formula</source>
        <translation>Kosten pro Jahr, Formel</translation>
    </message>
    <message>
        <source>Cost per year, lender&apos;s</source>
        <translation>Kosten pro Jahr, Bank</translation>
    </message>
    <message>
        <source>Lender&apos;s schedule of</source>
        <translation>Tilgungsplan des Kreditgebers für</translation>
    </message>
    <message>
        <source>Loan &amp;1</source>
        <translation>Darlehen &amp;1</translation>
    </message>
    <message>
        <source>Loan &amp;2</source>
        <translation>Darlehen &amp;2</translation>
    </message>
    <message>
        <source>Show the lender&apos;s schedule of Loan 1</source>
        <translation>Den Tilgungsplan des Kreditgebers für Darlehen 1 zeigen</translation>
    </message>
    <message>
        <source>Show the lender&apos;s schedule of Loan 2</source>
        <translation>Den Tilgungsplan des Kreditgebers für Darlehen 2 zeigen</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message>
        <source>Save the chosen loan&apos;s schedule as a CSV file for a spreadsheet</source>
        <translation>Den Tilgungsplan des gewählten Darlehens als CSV-Datei für eine Tabellenkalkulation speichern</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Dr&amp;ucken...</translation>
    </message>
    <message>
        <source>Print the chosen loan&apos;s schedule and the comparison</source>
        <translation>Den Tilgungsplan des gewählten Darlehens und den Vergleich drucken</translation>
    </message>
    <message>
        <source>P&amp;DF...</source>
        <translation>&amp;PDF...</translation>
    </message>
    <message>
        <source>Save the chosen loan&apos;s schedule and the comparison as a PDF file</source>
        <translation>Den Tilgungsplan des gewählten Darlehens und den Vergleich als PDF-Datei speichern</translation>
    </message>
    <message>
        <source>Each period as the lender bills it; Ctrl+C copies the selected rows</source>
        <translation>Jede Periode, wie der Kreditgeber sie abrechnet; Strg+C kopiert die gewählten Zeilen</translation>
    </message>
    <message>
        <source>Both loans under the formula and under the lender&apos;s whole cents, with the cost per year</source>
        <translation>Beide Darlehen nach der Formel und nach den ganzen Cent des Kreditgebers, mit den Kosten pro Jahr</translation>
    </message>
    <message>
        <source>Both loans&apos; balances against the years</source>
        <translation>Die Restschuld beider Darlehen über die Jahre</translation>
    </message>
    <message>
        <source>The last payment is %1, not %2: each payment is rounded to the cent, and over %3 payments the cents left over, with their interest, add up to what the last payment settles.</source>
        <translation>Die letzte Zahlung beträgt %1, nicht %2: Jede Zahlung wird auf den Cent gerundet, und über %3 Zahlungen summieren sich die übrigen Cent mit ihren Zinsen zu dem, was die letzte Zahlung ausgleicht.</translation>
    </message>
    <message>
        <source>loan%1-schedule.%2</source>
        <translation>darlehen%1-tilgungsplan.%2</translation>
    </message>
    <message>
        <source>Export Schedule</source>
        <translation>Tilgungsplan exportieren</translation>
    </message>
    <message>
        <source>Extra payments are included, as entered on the Compare page: they go to principal and shorten the term.</source>
        <translation>Sondertilgungen sind enthalten, wie auf der Seite Vergleich eingegeben: sie tilgen zusätzlich und verkürzen die Laufzeit.</translation>
    </message>
    <message>
        <source>Lender&apos;s schedule</source>
        <translation>Tilgungsplan des Kreditgebers</translation>
    </message>
    <message>
        <source>Both loans compared</source>
        <translation>Beide Darlehen im Vergleich</translation>
    </message>
    <message>
        <source>The lender&apos;s figures above are without the extra payments, so that they differ from the formula&apos;s only by whole cents; the schedule&apos;s totals include them.</source>
        <translation>Die Zahlen des Kreditgebers oben sind ohne die Sondertilgungen, damit sie sich von denen der Formel nur um ganze Cent unterscheiden; die Summen des Tilgungsplans enthalten sie.</translation>
    </message>
    <message>
        <source>The extra payments pay the loan off early, in period %1 of %2: the last payment, %3, is what was left.</source>
        <translation>Die Sondertilgungen zahlen das Darlehen vorzeitig zurück, in Periode %1 von %2: Die letzte Zahlung, %3, ist der Rest.</translation>
    </message>
    <message>
        <source>The lump sum pays the loan off early, in period %1 of %2: the last payment, %3, is what was left.</source>
        <translation>Die Einmalzahlung zahlt das Darlehen vorzeitig zurück, in Periode %1 von %2: Die letzte Zahlung, %3, ist der Rest.</translation>
    </message>
    <message>
        <source>The extra payments and the lump sum pay the loan off early, in period %1 of %2: the last payment, %3, is what was left.</source>
        <translation>Die Sondertilgungen und die Einmalzahlung zahlen das Darlehen vorzeitig zurück, in Periode %1 von %2: Die letzte Zahlung, %3, ist der Rest.</translation>
    </message>
</context>
<context>
    <name>paysmith::SettingsFallback</name>
    <message>
        <source>Your loans could not be saved to %1: %2.</source>
        <translation>Ihre Darlehen konnten nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Do you want to save them to another file? Copied over the settings file later, that file gives them back to Paysmith.</source>
        <translation>Möchten Sie sie in einer anderen Datei speichern? Später über die Einstellungsdatei kopiert, gibt diese Datei sie Paysmith zurück.</translation>
    </message>
    <message>
        <source>Save &amp;Elsewhere...</source>
        <translation>&amp;Anderswo speichern...</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t Save</source>
        <translation>&amp;Nicht speichern</translation>
    </message>
    <message>
        <source>Save the Loans Elsewhere</source>
        <translation>Darlehen anderswo speichern</translation>
    </message>
    <message>
        <source>Settings files (*.ini);;All files (*)</source>
        <translation>Einstellungsdateien (*.ini);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>paysmith::TNumericField</name>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Alles &amp;markieren</translation>
    </message>
    <message>
        <source>Value is not within required range</source>
        <translation>Der Wert liegt nicht im erlaubten Bereich</translation>
    </message>
    <message>
        <source>Value is not valid for this field type</source>
        <translation>Der Wert passt nicht zu diesem Feldtyp</translation>
    </message>
    <message>
        <source>A value is required in this field</source>
        <translation>Dieses Feld braucht einen Wert</translation>
    </message>
    <message>
        <source>Value is not a valid date</source>
        <translation>Der Wert ist kein gültiges Datum</translation>
    </message>
    <message>
        <source>Value is not a valid time</source>
        <translation>Der Wert ist keine gültige Uhrzeit</translation>
    </message>
    <message>
        <source>This field should contain no blanks</source>
        <translation>Dieses Feld darf keine Leerzeichen enthalten</translation>
    </message>
    <message>
        <source>This field should be either empty or completely full</source>
        <translation>Dieses Feld muss entweder leer oder ganz gefüllt sein</translation>
    </message>
    <message>
        <source>Entry Error</source>
        <translation>Eingabefehler</translation>
    </message>
    <message>
        <source>Whole numbers only</source>
        <translation>Nur ganze Zahlen</translation>
    </message>
    <message>
        <source>Use &quot;%1&quot; for the decimal point</source>
        <translation>Verwenden Sie „%1“ als Dezimalzeichen</translation>
    </message>
    <message>
        <source>The number has its decimal point already</source>
        <translation>Die Zahl hat schon ein Dezimalzeichen</translation>
    </message>
    <message>
        <source>No more digits fit here</source>
        <translation>Hier passen keine weiteren Ziffern hin</translation>
    </message>
    <message>
        <source>No room for a minus sign here</source>
        <translation>Hier ist kein Platz für ein Minuszeichen</translation>
    </message>
    <message>
        <source>Only digits can be typed here</source>
        <translation>Hier können nur Ziffern eingegeben werden</translation>
    </message>
    <message>
        <source>Only digits and a minus sign can be typed here</source>
        <translation>Hier können nur Ziffern und ein Minuszeichen eingegeben werden</translation>
    </message>
    <message>
        <source>Only digits, a minus sign and &quot;%1&quot; can be typed here</source>
        <translation>Hier können nur Ziffern, ein Minuszeichen und „%1“ eingegeben werden</translation>
    </message>
    <message>
        <source>This field cannot be changed</source>
        <translation>Dieses Feld kann nicht geändert werden</translation>
    </message>
    <message>
        <source>This field cannot take the pasted number</source>
        <translation>Dieses Feld kann die eingefügte Zahl nicht aufnehmen</translation>
    </message>
    <message>
        <source>%1 (from %2 to %3)</source>
        <translation>%1 (von %2 bis %3)</translation>
    </message>
</context>
<context>
    <name>paysmith::Term</name>
    <message>
        <source> years.</source>
        <translation> Jahre.</translation>
    </message>
    <message>
        <source> year.</source>
        <translation> Jahr.</translation>
    </message>
</context>
<context>
    <name>paysmith::TfrmAbout</name>
    <message>
        <source>Click to visit our web site ...</source>
        <translation>Klicken Sie, um unsere Website zu besuchen ...</translation>
    </message>
    <message>
        <source>Paysmith</source>
        <translation>Paysmith</translation>
    </message>
    <message>
        <source>Copyright © %1 Harrowfield Software.</source>
        <translation>Copyright © %1 Harrowfield Software.</translation>
    </message>
    <message>
        <source>Paysmith is free software: you may share and change it under the GNU General Public License, version 3 or later. It comes with no warranty; read the licence for the details.</source>
        <translation>Paysmith ist freie Software: Sie dürfen sie unter der GNU General Public License, Version 3 oder später, weitergeben und ändern. Sie kommt ohne jede Gewährleistung; die Einzelheiten stehen in der Lizenz.</translation>
    </message>
    <message>
        <source>Click Here to Visit Our Web Site ...</source>
        <translation>Hier klicken, um unsere Website zu besuchen ...</translation>
    </message>
    <message>
        <source>Read &amp;License</source>
        <translation>&amp;Lizenz lesen</translation>
    </message>
    <message>
        <source>Show Software License ...</source>
        <translation>Softwarelizenz anzeigen ...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Close About Window</source>
        <translation>Fenster „Über“ schließen</translation>
    </message>
    <message>
        <source> About Paysmith, </source>
        <translation> Über Paysmith, </translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Version </translation>
    </message>
    <message>
        <source>Compiled %1</source>
        <translation>Erstellt am %1</translation>
    </message>
    <message>
        <source>MMMM d, yyyy</source>
        <translation>d. MMMM yyyy</translation>
    </message>
    <message>
        <source>%1 logo</source>
        <translation>%1-Logo</translation>
    </message>
    <message>
        <source>Paysmith icon</source>
        <translation>Paysmith-Symbol</translation>
    </message>
</context>
<context>
    <name>paysmith::TfrmDisclaim</name>
    <message>
        <source>Though effort was made to ensure the accuracy of these calculations, </source>
        <translation>Trotz aller Sorgfalt bei diesen Berechnungen </translation>
    </message>
    <message>
        <source>there is NO WARRANTY,  expressed or implied, for the accuracy or applicability of this information to your particular financial question.</source>
        <translation>gibt es KEINE GEWÄHRLEISTUNG, weder ausdrücklich noch stillschweigend, für ihre Richtigkeit oder Eignung für Ihre finanzielle Frage.</translation>
    </message>
    <message>
        <source>  Consult your financial advisor before making any financial decision.</source>
        <translation>  Fragen Sie vor jeder Entscheidung Ihren Finanzberater.</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Haftungsausschluss</translation>
    </message>
    <message>
        <source> &amp;OK</source>
        <translation> &amp;OK</translation>
    </message>
    <message>
        <source>Close| Close Update Wizard</source>
        <translation>Schließen| Aktualisierungsassistent schließen</translation>
    </message>
</context>
<context>
    <name>paysmith::TfrmMain</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source> Paysmith </source>
        <translation> Paysmith </translation>
    </message>
    <message>
        <source> Schedule </source>
        <translation> Tilgungsplan </translation>
    </message>
    <message>
        <source>Reset| Reset Default Values ...</source>
        <translation>Zurücksetzen| Standardwerte wiederherstellen ...</translation>
    </message>
    <message>
        <source> Check for New Version ...</source>
        <translation> Nach neuer Version suchen ...</translation>
    </message>
    <message>
        <source> About ...</source>
        <translation> Über ...</translation>
    </message>
    <message>
        <source> Help ...</source>
        <translation> Hilfe ...</translation>
    </message>
    <message>
        <source> Exit|Exit Paysmith</source>
        <translation> Beenden|Paysmith beenden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>Export &amp;Schedule...</source>
        <translation>&amp;Tilgungsplan exportieren...</translation>
    </message>
    <message>
        <source>Schedule as P&amp;DF...</source>
        <translation>Tilgungsplan als &amp;PDF...</translation>
    </message>
    <message>
        <source>&amp;Print Schedule...</source>
        <translation>Tilgungsplan &amp;drucken...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Online Resources</source>
        <translation>&amp;Online-Angebote</translation>
    </message>
    <message>
        <source>Contact Harrowfield Software by &amp;Email</source>
        <translation>Harrowfield Software per &amp;E-Mail erreichen</translation>
    </message>
    <message>
        <source>&amp;Trial Versions of Financial Software</source>
        <translation>&amp;Testversionen von Finanzsoftware</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Disclaimer ...</source>
        <translation>&amp;Haftungsausschluss ...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Über...</translation>
    </message>
    <message>
        <source>HFSoft.example - Software for smart borrowers ...</source>
        <translation>HFSoft.example - Software für kluge Kreditnehmer ...</translation>
    </message>
    <message>
        <source>WebCalcs.example - Calculators for your web site ...</source>
        <translation>WebCalcs.example - Rechner für Ihre Website ...</translation>
    </message>
    <message>
        <source>&amp;Information About this Program ...</source>
        <translation>&amp;Informationen über dieses Programm ...</translation>
    </message>
    <message>
        <source>&amp;Suggestion Box ...</source>
        <translation>&amp;Vorschlagsbox ...</translation>
    </message>
    <message>
        <source>&amp;Online Support ...</source>
        <translation>&amp;Online-Support ...</translation>
    </message>
    <message>
        <source>&amp;Free Financial Software ...</source>
        <translation>&amp;Kostenlose Finanzsoftware ...</translation>
    </message>
    <message>
        <source>LenderReach.example - Marketing software for lenders ...</source>
        <translation>LenderReach.example - Marketingsoftware für Kreditgeber ...</translation>
    </message>
    <message>
        <source>FinSoftShelf.example - Financial software downloads ...</source>
        <translation>FinSoftShelf.example - Finanzsoftware zum Herunterladen ...</translation>
    </message>
    <message>
        <source>BorrowWise.example - A borrower&apos;s guide ...</source>
        <translation>BorrowWise.example - Ein Ratgeber für Kreditnehmer ...</translation>
    </message>
    <message>
        <source>MoneyFormulas.example - Financial formulas ...</source>
        <translation>MoneyFormulas.example - Finanzformeln ...</translation>
    </message>
    <message>
        <source>Home Loan Notes BLOG ...</source>
        <translation>Home Loan Notes BLOG ...</translation>
    </message>
    <message>
        <source>Harrowfield Software &amp;BLOG ...</source>
        <translation>Harrowfield Software &amp;BLOG ...</translation>
    </message>
    <message>
        <source>&amp;Send Suggestions ...</source>
        <translation>Vorschläge &amp;senden ...</translation>
    </message>
    <message>
        <source>&amp;Contact Support ...</source>
        <translation>Support &amp;kontaktieren ...</translation>
    </message>
    <message>
        <source>Check for a New &amp;Version of this Software ...</source>
        <translation>Nach einer neuen Version dieser Software s&amp;uchen ...</translation>
    </message>
    <message>
        <source> Compare </source>
        <translation> Vergleich </translation>
    </message>
    <message>
        <source>Export &amp;Comparison...</source>
        <translation>Ver&amp;gleich exportieren...</translation>
    </message>
</context>
<context>
    <name>paysmith::WholeFile</name>
    <message>
        <source>Not all of it could be written</source>
        <translation>Nicht alles konnte geschrieben werden</translation>
    </message>
</context>
<context>
    <name>paysmith::YearsChartWidget</name>
    <message>
        <source>%1B</source>
        <translation>%1 Mrd.</translation>
    </message>
    <message>
        <source>%1M</source>
        <translation>%1 Mio.</translation>
    </message>
    <message>
        <source>%1K</source>
        <translation>%1 Tsd.</translation>
    </message>
    <message>
        <source>No schedule</source>
        <translation>Kein Tilgungsplan</translation>
    </message>
    <message>
        <source>Loan 1</source>
        <translation>Darlehen 1</translation>
    </message>
    <message>
        <source>Loan 2</source>
        <translation>Darlehen 2</translation>
    </message>
    <message>
        <source>%1: no schedule</source>
        <translation>%1: kein Tilgungsplan</translation>
    </message>
</context>
<context>
    <name>paysmith::main</name>
    <message>
        <source>Paysmith already runs with these settings on display %1; its window was brought to the front there.</source>
        <translation>Paysmith läuft mit diesen Einstellungen bereits auf Bildschirm %1; sein Fenster wurde dort nach vorn geholt.</translation>
    </message>
</context>
<context>
    <name>paysmith::maker</name>
    <message>
        <source>Software for smart borrowers</source>
        <translation>Software für kluge Kreditnehmer</translation>
    </message>
</context>
</TS>
