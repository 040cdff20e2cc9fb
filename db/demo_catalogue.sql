-- Demo catalogue: acts, news and starter event types written for this project.
BEGIN;
INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) VALUES (1, 'Legea nr. 53/2003 - Codul muncii', '2003', '24-01-2003', '72', 'parlamentul', 'lege', 'CAPITOLUL I
Dispoziții generale

Art. 1. - (1) Prezentul act reglementează raporturile individuale și colective de muncă.
(2) Dispozițiile sale se aplică persoanelor fizice și juridice române și străine care desfășoară activități pe teritoriul României.

Art. 2. - În înțelesul prezentului act, termenii și expresiile folosite au semnificația stabilită de legislația în vigoare, iar autoritățile publice asigură aplicarea lor unitară.

CAPITOLUL II
Drepturi și obligații

Art. 3. - (1) Persoanele prevăzute la art. 1 au dreptul să fie informate asupra obligațiilor ce le revin.
(2) Încălcarea dispozițiilor prezentului act atrage răspunderea disciplinară, contravențională, civilă sau penală, după caz.

Art. 4. - Controlul respectării prevederilor privind raporturile individuale și colective de muncă se exercită de organele abilitate, potrivit competențelor stabilite prin lege.

CAPITOLUL III
Dispoziții finale

Art. 5. - Prezentul act intră în vigoare la data publicării în Monitorul Oficial al României, Partea I.

Nr. 53 din 24-01-2003.', '53');
INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) VALUES (2, 'Legea nr. 571/2003 privind Codul fiscal', '2003', '22-12-2003', '927', 'parlamentul', 'lege', 'CAPITOLUL I
Dispoziții generale

Art. 1. - (1) Prezentul act reglementează impozitele, taxele și contribuțiile datorate bugetului de stat.
(2) Dispozițiile sale se aplică persoanelor fizice și juridice române și străine care desfășoară activități pe teritoriul României.

Art. 2. - În înțelesul prezentului act, termenii și expresiile folosite au semnificația stabilită de legislația în vigoare, iar autoritățile publice asigură aplicarea lor unitară.

CAPITOLUL II
Drepturi și obligații

Art. 3. - (1) Persoanele prevăzute la art. 1 au dreptul să fie informate asupra obligațiilor ce le revin.
(2) Încălcarea dispozițiilor prezentului act atrage răspunderea disciplinară, contravențională, civilă sau penală, după caz.

Art. 4. - Controlul respectării prevederilor privind impozitele, taxele și contribuțiile datorate bugetului de stat se exercită de organele abilitate, potrivit competențelor stabilite prin lege.

CAPITOLUL III
Dispoziții finale

Art. 5. - Prezentul act intră în vigoare la data publicării în Monitorul Oficial al României, Partea I.

Nr. 571 din 22-12-2003.', '571');
INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) VALUES (3, 'Ordonanța de urgență nr. 195/2002 privind circulația pe drumurile publice', '2002', '12-12-2002', '958', 'guvernul romaniei', 'ordonanta de urgenta', 'CAPITOLUL I
Dispoziții generale

Art. 1. - (1) Prezentul act reglementează circulația pe drumurile publice și siguranța rutieră.
(2) Dispozițiile sale se aplică persoanelor fizice și juridice române și străine care desfășoară activități pe teritoriul României.

Art. 2. - În înțelesul prezentului act, termenii și expresiile folosite au semnificația stabilită de legislația în vigoare, iar autoritățile publice asigură aplicarea lor unitară.

CAPITOLUL II
Drepturi și obligații

Art. 3. - (1) Persoanele prevăzute la art. 1 au dreptul să fie informate asupra obligațiilor ce le revin.
(2) Încălcarea dispozițiilor prezentului act atrage răspunderea disciplinară, contravențională, civilă sau penală, după caz.

Art. 4. - Controlul respectării prevederilor privind circulația pe drumurile publice și siguranța rutieră se exercită de organele abilitate, potrivit competențelor stabilite prin lege.

CAPITOLUL III
Dispoziții finale

Art. 5. - Prezentul act intră în vigoare la data publicării în Monitorul Oficial al României, Partea I.

Nr. 195 din 12-12-2002.', '195');
INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) VALUES (4, 'Legea nr. 31/1990 privind societățile comerciale, republicată', '1990', '16-11-1990', '126', 'parlamentul', 'lege', 'CAPITOLUL I
Dispoziții generale

Art. 1. - (1) Prezentul act reglementează constituirea, funcționarea și dizolvarea societăților comerciale.
(2) Dispozițiile sale se aplică persoanelor fizice și juridice române și străine care desfășoară activități pe teritoriul României.

Art. 2. - În înțelesul prezentului act, termenii și expresiile folosite au semnificația stabilită de legislația în vigoare, iar autoritățile publice asigură aplicarea lor unitară.

CAPITOLUL II
Drepturi și obligații

Art. 3. - (1) Persoanele prevăzute la art. 1 au dreptul să fie informate asupra obligațiilor ce le revin.
(2) Încălcarea dispozițiilor prezentului act atrage răspunderea disciplinară, contravențională, civilă sau penală, după caz.

Art. 4. - Controlul respectării prevederilor privind constituirea, funcționarea și dizolvarea societăților comerciale se exercită de organele abilitate, potrivit competențelor stabilite prin lege.

CAPITOLUL III
Dispoziții finale

Art. 5. - Prezentul act intră în vigoare la data publicării în Monitorul Oficial al României, Partea I.

Nr. 31 din 16-11-1990.', '31');
INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) VALUES (5, 'Legea nr. 85/2006 privind procedura insolvenței', '2006', '21-04-2006', '359', 'parlamentul', 'lege', 'CAPITOLUL I
Dispoziții generale

Art. 1. - (1) Prezentul act reglementează procedura aplicabilă debitorului aflat în stare de insolvență.
(2) Dispozițiile sale se aplică persoanelor fizice și juridice române și străine care desfășoară activități pe teritoriul României.

Art. 2. - În înțelesul prezentului act, termenii și expresiile folosite au semnificația stabilită de legislația în vigoare, iar autoritățile publice asigură aplicarea lor unitară.

CAPITOLUL II
Drepturi și obligații

Art. 3. - (1) Persoanele prevăzute la art. 1 au dreptul să fie informate asupra obligațiilor ce le revin.
(2) Încălcarea dispozițiilor prezentului act atrage răspunderea disciplinară, contravențională, civilă sau penală, după caz.

Art. 4. - Controlul respectării prevederilor privind procedura aplicabilă debitorului aflat în stare de insolvență se exercită de organele abilitate, potrivit competențelor stabilite prin lege.

CAPITOLUL III
Dispoziții finale

Art. 5. - Prezentul act intră în vigoare la data publicării în Monitorul Oficial al României, Partea I.

Nr. 85 din 21-04-2006.', '85');
INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) VALUES (6, 'Legea nr. 247/2005 privind reforma în domeniile proprietății și justiției', '2005', '19-07-2005', '653', 'parlamentul', 'lege', 'CAPITOLUL I
Dispoziții generale

Art. 1. - (1) Prezentul act reglementează reforma proprietății și a justiției.
(2) Dispozițiile sale se aplică persoanelor fizice și juridice române și străine care desfășoară activități pe teritoriul României.

Art. 2. - În înțelesul prezentului act, termenii și expresiile folosite au semnificația stabilită de legislația în vigoare, iar autoritățile publice asigură aplicarea lor unitară.

CAPITOLUL II
Drepturi și obligații

Art. 3. - (1) Persoanele prevăzute la art. 1 au dreptul să fie informate asupra obligațiilor ce le revin.
(2) Încălcarea dispozițiilor prezentului act atrage răspunderea disciplinară, contravențională, civilă sau penală, după caz.

Art. 4. - Controlul respectării prevederilor privind reforma proprietății și a justiției se exercită de organele abilitate, potrivit competențelor stabilite prin lege.

CAPITOLUL III
Dispoziții finale

Art. 5. - Prezentul act intră în vigoare la data publicării în Monitorul Oficial al României, Partea I.

Nr. 247 din 19-07-2005.', '247');
INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) VALUES (7, 'Legea nr. 10/2001 privind regimul juridic al unor imobile preluate în mod abuziv', '2001', '08-02-2001', '75', 'parlamentul', 'lege', 'CAPITOLUL I
Dispoziții generale

Art. 1. - (1) Prezentul act reglementează restituirea imobilelor preluate abuziv.
(2) Dispozițiile sale se aplică persoanelor fizice și juridice române și străine care desfășoară activități pe teritoriul României.

Art. 2. - În înțelesul prezentului act, termenii și expresiile folosite au semnificația stabilită de legislația în vigoare, iar autoritățile publice asigură aplicarea lor unitară.

CAPITOLUL II
Drepturi și obligații

Art. 3. - (1) Persoanele prevăzute la art. 1 au dreptul să fie informate asupra obligațiilor ce le revin.
(2) Încălcarea dispozițiilor prezentului act atrage răspunderea disciplinară, contravențională, civilă sau penală, după caz.

Art. 4. - Controlul respectării prevederilor privind restituirea imobilelor preluate abuziv se exercită de organele abilitate, potrivit competențelor stabilite prin lege.

CAPITOLUL III
Dispoziții finale

Art. 5. - Prezentul act intră în vigoare la data publicării în Monitorul Oficial al României, Partea I.

Nr. 10 din 08-02-2001.', '10');
INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) VALUES (8, 'Ordonanța de urgență nr. 34/2006 privind atribuirea contractelor de achiziție publică', '2006', '19-04-2006', '418', 'guvernul romaniei', 'ordonanta de urgenta', 'CAPITOLUL I
Dispoziții generale

Art. 1. - (1) Prezentul act reglementează atribuirea contractelor de achiziție publică.
(2) Dispozițiile sale se aplică persoanelor fizice și juridice române și străine care desfășoară activități pe teritoriul României.

Art. 2. - În înțelesul prezentului act, termenii și expresiile folosite au semnificația stabilită de legislația în vigoare, iar autoritățile publice asigură aplicarea lor unitară.

CAPITOLUL II
Drepturi și obligații

Art. 3. - (1) Persoanele prevăzute la art. 1 au dreptul să fie informate asupra obligațiilor ce le revin.
(2) Încălcarea dispozițiilor prezentului act atrage răspunderea disciplinară, contravențională, civilă sau penală, după caz.

Art. 4. - Controlul respectării prevederilor privind atribuirea contractelor de achiziție publică se exercită de organele abilitate, potrivit competențelor stabilite prin lege.

CAPITOLUL III
Dispoziții finale

Art. 5. - Prezentul act intră în vigoare la data publicării în Monitorul Oficial al României, Partea I.

Nr. 34 din 19-04-2006.', '34');
INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) VALUES (9, 'Legea contenciosului administrativ nr. 554/2004', '2004', '02-12-2004', '1154', 'parlamentul', 'lege', 'CAPITOLUL I
Dispoziții generale

Art. 1. - (1) Prezentul act reglementează controlul legalității actelor administrative.
(2) Dispozițiile sale se aplică persoanelor fizice și juridice române și străine care desfășoară activități pe teritoriul României.

Art. 2. - În înțelesul prezentului act, termenii și expresiile folosite au semnificația stabilită de legislația în vigoare, iar autoritățile publice asigură aplicarea lor unitară.

CAPITOLUL II
Drepturi și obligații

Art. 3. - (1) Persoanele prevăzute la art. 1 au dreptul să fie informate asupra obligațiilor ce le revin.
(2) Încălcarea dispozițiilor prezentului act atrage răspunderea disciplinară, contravențională, civilă sau penală, după caz.

Art. 4. - Controlul respectării prevederilor privind controlul legalității actelor administrative se exercită de organele abilitate, potrivit competențelor stabilite prin lege.

CAPITOLUL III
Dispoziții finale

Art. 5. - Prezentul act intră în vigoare la data publicării în Monitorul Oficial al României, Partea I.

Nr. 554 din 02-12-2004.', '554');
INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) VALUES (10, 'Legea nr. 95/2006 privind reforma în domeniul sănătății', '2006', '14-04-2006', '372', 'parlamentul', 'lege', 'CAPITOLUL I
Dispoziții generale

Art. 1. - (1) Prezentul act reglementează asistența medicală și asigurările sociale de sănătate.
(2) Dispozițiile sale se aplică persoanelor fizice și juridice române și străine care desfășoară activități pe teritoriul României.

Art. 2. - În înțelesul prezentului act, termenii și expresiile folosite au semnificația stabilită de legislația în vigoare, iar autoritățile publice asigură aplicarea lor unitară.

CAPITOLUL II
Drepturi și obligații

Art. 3. - (1) Persoanele prevăzute la art. 1 au dreptul să fie informate asupra obligațiilor ce le revin.
(2) Încălcarea dispozițiilor prezentului act atrage răspunderea disciplinară, contravențională, civilă sau penală, după caz.

Art. 4. - Controlul respectării prevederilor privind asistența medicală și asigurările sociale de sănătate se exercită de organele abilitate, potrivit competențelor stabilite prin lege.

CAPITOLUL III
Dispoziții finale

Art. 5. - Prezentul act intră în vigoare la data publicării în Monitorul Oficial al României, Partea I.

Nr. 95 din 14-04-2006.', '95');
INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) VALUES (11, 'Hotărârea Guvernului nr. 44/2004 pentru aprobarea Normelor metodologice de aplicare a Codului fiscal', '2004', '22-01-2004', '112', 'guvernul romaniei', 'hotarare', 'CAPITOLUL I
Dispoziții generale

Art. 1. - (1) Prezentul act reglementează aplicarea unitară a Codului fiscal.
(2) Dispozițiile sale se aplică persoanelor fizice și juridice române și străine care desfășoară activități pe teritoriul României.

Art. 2. - În înțelesul prezentului act, termenii și expresiile folosite au semnificația stabilită de legislația în vigoare, iar autoritățile publice asigură aplicarea lor unitară.

CAPITOLUL II
Drepturi și obligații

Art. 3. - (1) Persoanele prevăzute la art. 1 au dreptul să fie informate asupra obligațiilor ce le revin.
(2) Încălcarea dispozițiilor prezentului act atrage răspunderea disciplinară, contravențională, civilă sau penală, după caz.

Art. 4. - Controlul respectării prevederilor privind aplicarea unitară a Codului fiscal se exercită de organele abilitate, potrivit competențelor stabilite prin lege.

CAPITOLUL III
Dispoziții finale

Art. 5. - Prezentul act intră în vigoare la data publicării în Monitorul Oficial al României, Partea I.

Nr. 44 din 22-01-2004.', '44');
INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) VALUES (12, 'Legea locuinței nr. 114/1996', '1996', '11-10-1996', '254', 'parlamentul', 'lege', 'CAPITOLUL I
Dispoziții generale

Art. 1. - (1) Prezentul act reglementează construirea, închirierea și administrarea locuințelor.
(2) Dispozițiile sale se aplică persoanelor fizice și juridice române și străine care desfășoară activități pe teritoriul României.

Art. 2. - În înțelesul prezentului act, termenii și expresiile folosite au semnificația stabilită de legislația în vigoare, iar autoritățile publice asigură aplicarea lor unitară.

CAPITOLUL II
Drepturi și obligații

Art. 3. - (1) Persoanele prevăzute la art. 1 au dreptul să fie informate asupra obligațiilor ce le revin.
(2) Încălcarea dispozițiilor prezentului act atrage răspunderea disciplinară, contravențională, civilă sau penală, după caz.

Art. 4. - Controlul respectării prevederilor privind construirea, închirierea și administrarea locuințelor se exercită de organele abilitate, potrivit competențelor stabilite prin lege.

CAPITOLUL III
Dispoziții finale

Art. 5. - Prezentul act intră în vigoare la data publicării în Monitorul Oficial al României, Partea I.

Nr. 114 din 11-10-1996.', '114');
INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) VALUES (13, 'Legea nr. 32/1994 privind sponsorizarea', '1994', '19-05-1994', '129', 'parlamentul', 'lege', 'CAPITOLUL I
Dispoziții generale

Art. 1. - (1) Prezentul act reglementează acțiunile de sponsorizare și beneficiile acordate sponsorilor.
(2) Dispozițiile sale se aplică persoanelor fizice și juridice române și străine care desfășoară activități pe teritoriul României.

Art. 2. - În înțelesul prezentului act, termenii și expresiile folosite au semnificația stabilită de legislația în vigoare, iar autoritățile publice asigură aplicarea lor unitară.

CAPITOLUL II
Drepturi și obligații

Art. 3. - (1) Persoanele prevăzute la art. 1 au dreptul să fie informate asupra obligațiilor ce le revin.
(2) Încălcarea dispozițiilor prezentului act atrage răspunderea disciplinară, contravențională, civilă sau penală, după caz.

Art. 4. - Controlul respectării prevederilor privind acțiunile de sponsorizare și beneficiile acordate sponsorilor se exercită de organele abilitate, potrivit competențelor stabilite prin lege.

CAPITOLUL III
Dispoziții finale

Art. 5. - Prezentul act intră în vigoare la data publicării în Monitorul Oficial al României, Partea I.

Nr. 32 din 19-05-1994.', '32');
INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) VALUES (14, 'Ordonanța de urgență nr. 40/1999 privind protecția chiriașilor și stabilirea chiriei pentru spațiile cu destinația de locuințe', '1999', '08-04-1999', '148', 'guvernul romaniei', 'ordonanta de urgenta', 'CAPITOLUL I
Dispoziții generale

Art. 1. - (1) Prezentul act reglementează protecția chiriașilor.
(2) Dispozițiile sale se aplică persoanelor fizice și juridice române și străine care desfășoară activități pe teritoriul României.

Art. 2. - În înțelesul prezentului act, termenii și expresiile folosite au semnificația stabilită de legislația în vigoare, iar autoritățile publice asigură aplicarea lor unitară.

CAPITOLUL II
Drepturi și obligații

Art. 3. - (1) Persoanele prevăzute la art. 1 au dreptul să fie informate asupra obligațiilor ce le revin.
(2) Încălcarea dispozițiilor prezentului act atrage răspunderea disciplinară, contravențională, civilă sau penală, după caz.

Art. 4. - Controlul respectării prevederilor privind protecția chiriașilor se exercită de organele abilitate, potrivit competențelor stabilite prin lege.

CAPITOLUL III
Dispoziții finale

Art. 5. - Prezentul act intră în vigoare la data publicării în Monitorul Oficial al României, Partea I.

Nr. 40 din 08-04-1999.', '40');
INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) VALUES (15, 'Legea cadastrului și a publicității imobiliare nr. 7/1996', '1996', '24-02-1996', '61', 'parlamentul', 'lege', 'CAPITOLUL I
Dispoziții generale

Art. 1. - (1) Prezentul act reglementează cadastrul general și publicitatea imobiliară.
(2) Dispozițiile sale se aplică persoanelor fizice și juridice române și străine care desfășoară activități pe teritoriul României.

Art. 2. - În înțelesul prezentului act, termenii și expresiile folosite au semnificația stabilită de legislația în vigoare, iar autoritățile publice asigură aplicarea lor unitară.

CAPITOLUL II
Drepturi și obligații

Art. 3. - (1) Persoanele prevăzute la art. 1 au dreptul să fie informate asupra obligațiilor ce le revin.
(2) Încălcarea dispozițiilor prezentului act atrage răspunderea disciplinară, contravențională, civilă sau penală, după caz.

Art. 4. - Controlul respectării prevederilor privind cadastrul general și publicitatea imobiliară se exercită de organele abilitate, potrivit competențelor stabilite prin lege.

CAPITOLUL III
Dispoziții finale

Art. 5. - Prezentul act intră în vigoare la data publicării în Monitorul Oficial al României, Partea I.

Nr. 7 din 24-02-1996.', '7');
INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) VALUES (16, 'Legea notarilor publici și a activității notariale nr. 36/1995', '1995', '12-05-1995', '92', 'parlamentul', 'lege', 'CAPITOLUL I
Dispoziții generale

Art. 1. - (1) Prezentul act reglementează organizarea și exercitarea activității notariale.
(2) Dispozițiile sale se aplică persoanelor fizice și juridice române și străine care desfășoară activități pe teritoriul României.

Art. 2. - În înțelesul prezentului act, termenii și expresiile folosite au semnificația stabilită de legislația în vigoare, iar autoritățile publice asigură aplicarea lor unitară.

CAPITOLUL II
Drepturi și obligații

Art. 3. - (1) Persoanele prevăzute la art. 1 au dreptul să fie informate asupra obligațiilor ce le revin.
(2) Încălcarea dispozițiilor prezentului act atrage răspunderea disciplinară, contravențională, civilă sau penală, după caz.

Art. 4. - Controlul respectării prevederilor privind organizarea și exercitarea activității notariale se exercită de organele abilitate, potrivit competențelor stabilite prin lege.

CAPITOLUL III
Dispoziții finale

Art. 5. - Prezentul act intră în vigoare la data publicării în Monitorul Oficial al României, Partea I.

Nr. 36 din 12-05-1995.', '36');
INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) VALUES (17, 'Legea nr. 51/1995 pentru organizarea și exercitarea profesiei de avocat', '1995', '07-06-1995', '116', 'parlamentul', 'lege', 'CAPITOLUL I
Dispoziții generale

Art. 1. - (1) Prezentul act reglementează organizarea și exercitarea profesiei de avocat.
(2) Dispozițiile sale se aplică persoanelor fizice și juridice române și străine care desfășoară activități pe teritoriul României.

Art. 2. - În înțelesul prezentului act, termenii și expresiile folosite au semnificația stabilită de legislația în vigoare, iar autoritățile publice asigură aplicarea lor unitară.

CAPITOLUL II
Drepturi și obligații

Art. 3. - (1) Persoanele prevăzute la art. 1 au dreptul să fie informate asupra obligațiilor ce le revin.
(2) Încălcarea dispozițiilor prezentului act atrage răspunderea disciplinară, contravențională, civilă sau penală, după caz.

Art. 4. - Controlul respectării prevederilor privind organizarea și exercitarea profesiei de avocat se exercită de organele abilitate, potrivit competențelor stabilite prin lege.

CAPITOLUL III
Dispoziții finale

Art. 5. - Prezentul act intră în vigoare la data publicării în Monitorul Oficial al României, Partea I.

Nr. 51 din 07-06-1995.', '51');
INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) VALUES (18, 'Legea nr. 304/2004 privind organizarea judiciară', '2004', '28-06-2004', '576', 'parlamentul', 'lege', 'CAPITOLUL I
Dispoziții generale

Art. 1. - (1) Prezentul act reglementează organizarea instanțelor judecătorești și a parchetelor.
(2) Dispozițiile sale se aplică persoanelor fizice și juridice române și străine care desfășoară activități pe teritoriul României.

Art. 2. - În înțelesul prezentului act, termenii și expresiile folosite au semnificația stabilită de legislația în vigoare, iar autoritățile publice asigură aplicarea lor unitară.

CAPITOLUL II
Drepturi și obligații

Art. 3. - (1) Persoanele prevăzute la art. 1 au dreptul să fie informate asupra obligațiilor ce le revin.
(2) Încălcarea dispozițiilor prezentului act atrage răspunderea disciplinară, contravențională, civilă sau penală, după caz.

Art. 4. - Controlul respectării prevederilor privind organizarea instanțelor judecătorești și a parchetelor se exercită de organele abilitate, potrivit competențelor stabilite prin lege.

CAPITOLUL III
Dispoziții finale

Art. 5. - Prezentul act intră în vigoare la data publicării în Monitorul Oficial al României, Partea I.

Nr. 304 din 28-06-2004.', '304');
INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) VALUES (19, 'Legea fondului funciar nr. 18/1991', '1991', '19-02-1991', '37', 'parlamentul', 'lege', 'CAPITOLUL I
Dispoziții generale

Art. 1. - (1) Prezentul act reglementează constituirea și reconstituirea dreptului de proprietate asupra terenurilor.
(2) Dispozițiile sale se aplică persoanelor fizice și juridice române și străine care desfășoară activități pe teritoriul României.

Art. 2. - În înțelesul prezentului act, termenii și expresiile folosite au semnificația stabilită de legislația în vigoare, iar autoritățile publice asigură aplicarea lor unitară.

CAPITOLUL II
Drepturi și obligații

Art. 3. - (1) Persoanele prevăzute la art. 1 au dreptul să fie informate asupra obligațiilor ce le revin.
(2) Încălcarea dispozițiilor prezentului act atrage răspunderea disciplinară, contravențională, civilă sau penală, după caz.

Art. 4. - Controlul respectării prevederilor privind constituirea și reconstituirea dreptului de proprietate asupra terenurilor se exercită de organele abilitate, potrivit competențelor stabilite prin lege.

CAPITOLUL III
Dispoziții finale

Art. 5. - Prezentul act intră în vigoare la data publicării în Monitorul Oficial al României, Partea I.

Nr. 18 din 19-02-1991.', '18');
INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) VALUES (20, 'Decretul nr. 1158/2006 pentru promulgarea Legii privind modificarea Codului muncii', '2006', '20-12-2006', '1032', 'presedintele', 'decret', 'CAPITOLUL I
Dispoziții generale

Art. 1. - (1) Prezentul act reglementează promulgarea legii de modificare a Codului muncii.
(2) Dispozițiile sale se aplică persoanelor fizice și juridice române și străine care desfășoară activități pe teritoriul României.

Art. 2. - În înțelesul prezentului act, termenii și expresiile folosite au semnificația stabilită de legislația în vigoare, iar autoritățile publice asigură aplicarea lor unitară.

CAPITOLUL II
Drepturi și obligații

Art. 3. - (1) Persoanele prevăzute la art. 1 au dreptul să fie informate asupra obligațiilor ce le revin.
(2) Încălcarea dispozițiilor prezentului act atrage răspunderea disciplinară, contravențională, civilă sau penală, după caz.

Art. 4. - Controlul respectării prevederilor privind promulgarea legii de modificare a Codului muncii se exercită de organele abilitate, potrivit competențelor stabilite prin lege.

CAPITOLUL III
Dispoziții finale

Art. 5. - Prezentul act intră în vigoare la data publicării în Monitorul Oficial al României, Partea I.

Nr. 1158 din 20-12-2006.', '1158');
INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) VALUES (21, 'Decretul nr. 52/2007 privind conferirea unor distincții', '2007', '18-01-2007', '45', 'presedintele', 'decret', 'CAPITOLUL I
Dispoziții generale

Art. 1. - (1) Prezentul act reglementează conferirea unor distincții.
(2) Dispozițiile sale se aplică persoanelor fizice și juridice române și străine care desfășoară activități pe teritoriul României.

Art. 2. - În înțelesul prezentului act, termenii și expresiile folosite au semnificația stabilită de legislația în vigoare, iar autoritățile publice asigură aplicarea lor unitară.

CAPITOLUL II
Drepturi și obligații

Art. 3. - (1) Persoanele prevăzute la art. 1 au dreptul să fie informate asupra obligațiilor ce le revin.
(2) Încălcarea dispozițiilor prezentului act atrage răspunderea disciplinară, contravențională, civilă sau penală, după caz.

Art. 4. - Controlul respectării prevederilor privind conferirea unor distincții se exercită de organele abilitate, potrivit competențelor stabilite prin lege.

CAPITOLUL III
Dispoziții finale

Art. 5. - Prezentul act intră în vigoare la data publicării în Monitorul Oficial al României, Partea I.

Nr. 52 din 18-01-2007.', '52');
INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) VALUES (22, 'Ordinul ministrului finanțelor publice nr. 1752/2005 pentru aprobarea reglementărilor contabile conforme cu directivele europene', '2005', '17-11-2005', '1080', 'ministerul finantelor publice', 'ordin', 'CAPITOLUL I
Dispoziții generale

Art. 1. - (1) Prezentul act reglementează reglementările contabile aplicabile agenților economici.
(2) Dispozițiile sale se aplică persoanelor fizice și juridice române și străine care desfășoară activități pe teritoriul României.

Art. 2. - În înțelesul prezentului act, termenii și expresiile folosite au semnificația stabilită de legislația în vigoare, iar autoritățile publice asigură aplicarea lor unitară.

CAPITOLUL II
Drepturi și obligații

Art. 3. - (1) Persoanele prevăzute la art. 1 au dreptul să fie informate asupra obligațiilor ce le revin.
(2) Încălcarea dispozițiilor prezentului act atrage răspunderea disciplinară, contravențională, civilă sau penală, după caz.

Art. 4. - Controlul respectării prevederilor privind reglementările contabile aplicabile agenților economici se exercită de organele abilitate, potrivit competențelor stabilite prin lege.

CAPITOLUL III
Dispoziții finale

Art. 5. - Prezentul act intră în vigoare la data publicării în Monitorul Oficial al României, Partea I.

Nr. 1752 din 17-11-2005.', '1752');
INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) VALUES (23, 'Ordinul nr. 858/2008 privind declarațiile fiscale', '2008', '11-02-2008', '130', 'agentia nationala de administrare fiscala', 'ordin', 'CAPITOLUL I
Dispoziții generale

Art. 1. - (1) Prezentul act reglementează formularele declarațiilor fiscale.
(2) Dispozițiile sale se aplică persoanelor fizice și juridice române și străine care desfășoară activități pe teritoriul României.

Art. 2. - În înțelesul prezentului act, termenii și expresiile folosite au semnificația stabilită de legislația în vigoare, iar autoritățile publice asigură aplicarea lor unitară.

CAPITOLUL II
Drepturi și obligații

Art. 3. - (1) Persoanele prevăzute la art. 1 au dreptul să fie informate asupra obligațiilor ce le revin.
(2) Încălcarea dispozițiilor prezentului act atrage răspunderea disciplinară, contravențională, civilă sau penală, după caz.

Art. 4. - Controlul respectării prevederilor privind formularele declarațiilor fiscale se exercită de organele abilitate, potrivit competențelor stabilite prin lege.

CAPITOLUL III
Dispoziții finale

Art. 5. - Prezentul act intră în vigoare la data publicării în Monitorul Oficial al României, Partea I.

Nr. 858 din 11-02-2008.', '858');
INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) VALUES (24, 'Ordinul nr. 1026/2006 privind gestionarea deșeurilor', '2006', '13-11-2006', '962', 'ministerul mediului si gospodaririi apelor', 'ordin', 'CAPITOLUL I
Dispoziții generale

Art. 1. - (1) Prezentul act reglementează gestionarea deșeurilor și protecția mediului.
(2) Dispozițiile sale se aplică persoanelor fizice și juridice române și străine care desfășoară activități pe teritoriul României.

Art. 2. - În înțelesul prezentului act, termenii și expresiile folosite au semnificația stabilită de legislația în vigoare, iar autoritățile publice asigură aplicarea lor unitară.

CAPITOLUL II
Drepturi și obligații

Art. 3. - (1) Persoanele prevăzute la art. 1 au dreptul să fie informate asupra obligațiilor ce le revin.
(2) Încălcarea dispozițiilor prezentului act atrage răspunderea disciplinară, contravențională, civilă sau penală, după caz.

Art. 4. - Controlul respectării prevederilor privind gestionarea deșeurilor și protecția mediului se exercită de organele abilitate, potrivit competențelor stabilite prin lege.

CAPITOLUL III
Dispoziții finale

Art. 5. - Prezentul act intră în vigoare la data publicării în Monitorul Oficial al României, Partea I.

Nr. 1026 din 13-11-2006.', '1026');
INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) VALUES (25, 'Ordinul nr. 1296/2005 privind clasificarea structurilor de primire turistice', '2005', '10-08-2005', '798', 'ministerul transporturilor, constructiilor si turismului', 'ordin', 'CAPITOLUL I
Dispoziții generale

Art. 1. - (1) Prezentul act reglementează clasificarea structurilor de primire turistice.
(2) Dispozițiile sale se aplică persoanelor fizice și juridice române și străine care desfășoară activități pe teritoriul României.

Art. 2. - În înțelesul prezentului act, termenii și expresiile folosite au semnificația stabilită de legislația în vigoare, iar autoritățile publice asigură aplicarea lor unitară.

CAPITOLUL II
Drepturi și obligații

Art. 3. - (1) Persoanele prevăzute la art. 1 au dreptul să fie informate asupra obligațiilor ce le revin.
(2) Încălcarea dispozițiilor prezentului act atrage răspunderea disciplinară, contravențională, civilă sau penală, după caz.

Art. 4. - Controlul respectării prevederilor privind clasificarea structurilor de primire turistice se exercită de organele abilitate, potrivit competențelor stabilite prin lege.

CAPITOLUL III
Dispoziții finale

Art. 5. - Prezentul act intră în vigoare la data publicării în Monitorul Oficial al României, Partea I.

Nr. 1296 din 10-08-2005.', '1296');
INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) VALUES (26, 'Decizia Curții Constituționale nr. 1/1995 privind obligativitatea deciziilor sale', '1995', '17-01-1995', '16', 'curtea constitutionala', 'decizie', 'CAPITOLUL I
Dispoziții generale

Art. 1. - (1) Prezentul act reglementează efectele deciziilor Curții Constituționale.
(2) Dispozițiile sale se aplică persoanelor fizice și juridice române și străine care desfășoară activități pe teritoriul României.

Art. 2. - În înțelesul prezentului act, termenii și expresiile folosite au semnificația stabilită de legislația în vigoare, iar autoritățile publice asigură aplicarea lor unitară.

CAPITOLUL II
Drepturi și obligații

Art. 3. - (1) Persoanele prevăzute la art. 1 au dreptul să fie informate asupra obligațiilor ce le revin.
(2) Încălcarea dispozițiilor prezentului act atrage răspunderea disciplinară, contravențională, civilă sau penală, după caz.

Art. 4. - Controlul respectării prevederilor privind efectele deciziilor Curții Constituționale se exercită de organele abilitate, potrivit competențelor stabilite prin lege.

CAPITOLUL III
Dispoziții finale

Art. 5. - Prezentul act intră în vigoare la data publicării în Monitorul Oficial al României, Partea I.

Nr. 1 din 17-01-1995.', '1');
INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) VALUES (27, 'Decizia nr. 233/2005 referitoare la excepția de neconstituționalitate a unor dispoziții din Codul de procedură civilă', '2005', '22-06-2005', '579', 'curtea constitutionala', 'decizie', 'CAPITOLUL I
Dispoziții generale

Art. 1. - (1) Prezentul act reglementează excepția de neconstituționalitate în procesul civil.
(2) Dispozițiile sale se aplică persoanelor fizice și juridice române și străine care desfășoară activități pe teritoriul României.

Art. 2. - În înțelesul prezentului act, termenii și expresiile folosite au semnificația stabilită de legislația în vigoare, iar autoritățile publice asigură aplicarea lor unitară.

CAPITOLUL II
Drepturi și obligații

Art. 3. - (1) Persoanele prevăzute la art. 1 au dreptul să fie informate asupra obligațiilor ce le revin.
(2) Încălcarea dispozițiilor prezentului act atrage răspunderea disciplinară, contravențională, civilă sau penală, după caz.

Art. 4. - Controlul respectării prevederilor privind excepția de neconstituționalitate în procesul civil se exercită de organele abilitate, potrivit competențelor stabilite prin lege.

CAPITOLUL III
Dispoziții finale

Art. 5. - Prezentul act intră în vigoare la data publicării în Monitorul Oficial al României, Partea I.

Nr. 233 din 22-06-2005.', '233');
INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) VALUES (28, 'Decizia prim-ministrului nr. 215/2006 privind constituirea unui grup de lucru interministerial', '2006', '03-05-2006', '401', 'prim-ministrul', 'decizie', 'CAPITOLUL I
Dispoziții generale

Art. 1. - (1) Prezentul act reglementează constituirea grupului de lucru interministerial.
(2) Dispozițiile sale se aplică persoanelor fizice și juridice române și străine care desfășoară activități pe teritoriul României.

Art. 2. - În înțelesul prezentului act, termenii și expresiile folosite au semnificația stabilită de legislația în vigoare, iar autoritățile publice asigură aplicarea lor unitară.

CAPITOLUL II
Drepturi și obligații

Art. 3. - (1) Persoanele prevăzute la art. 1 au dreptul să fie informate asupra obligațiilor ce le revin.
(2) Încălcarea dispozițiilor prezentului act atrage răspunderea disciplinară, contravențională, civilă sau penală, după caz.

Art. 4. - Controlul respectării prevederilor privind constituirea grupului de lucru interministerial se exercită de organele abilitate, potrivit competențelor stabilite prin lege.

CAPITOLUL III
Dispoziții finale

Art. 5. - Prezentul act intră în vigoare la data publicării în Monitorul Oficial al României, Partea I.

Nr. 215 din 03-05-2006.', '215');
INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) VALUES (29, 'Regulamentul privind eliberarea cardului național de asigurări sociale de sănătate', '2006', '05-01-2006', '14', 'casa nationala de asigurari de sanatate', 'regulament', 'CAPITOLUL I
Dispoziții generale

Art. 1. - (1) Prezentul act reglementează eliberarea cardului de asigurări de sănătate.
(2) Dispozițiile sale se aplică persoanelor fizice și juridice române și străine care desfășoară activități pe teritoriul României.

Art. 2. - În înțelesul prezentului act, termenii și expresiile folosite au semnificația stabilită de legislația în vigoare, iar autoritățile publice asigură aplicarea lor unitară.

CAPITOLUL II
Drepturi și obligații

Art. 3. - (1) Persoanele prevăzute la art. 1 au dreptul să fie informate asupra obligațiilor ce le revin.
(2) Încălcarea dispozițiilor prezentului act atrage răspunderea disciplinară, contravențională, civilă sau penală, după caz.

Art. 4. - Controlul respectării prevederilor privind eliberarea cardului de asigurări de sănătate se exercită de organele abilitate, potrivit competențelor stabilite prin lege.

CAPITOLUL III
Dispoziții finale

Art. 5. - Prezentul act intră în vigoare la data publicării în Monitorul Oficial al României, Partea I.

Nr. 1 din 05-01-2006.', '1');
INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) VALUES (30, 'Normele metodologice de aplicare a contractului-cadru privind asistența medicală', '2005', '29-12-2005', '1170', 'casa nationala de asigurari de sanatate', 'norma metodologica', 'CAPITOLUL I
Dispoziții generale

Art. 1. - (1) Prezentul act reglementează aplicarea contractului-cadru de asistență medicală.
(2) Dispozițiile sale se aplică persoanelor fizice și juridice române și străine care desfășoară activități pe teritoriul României.

Art. 2. - În înțelesul prezentului act, termenii și expresiile folosite au semnificația stabilită de legislația în vigoare, iar autoritățile publice asigură aplicarea lor unitară.

CAPITOLUL II
Drepturi și obligații

Art. 3. - (1) Persoanele prevăzute la art. 1 au dreptul să fie informate asupra obligațiilor ce le revin.
(2) Încălcarea dispozițiilor prezentului act atrage răspunderea disciplinară, contravențională, civilă sau penală, după caz.

Art. 4. - Controlul respectării prevederilor privind aplicarea contractului-cadru de asistență medicală se exercită de organele abilitate, potrivit competențelor stabilite prin lege.

CAPITOLUL III
Dispoziții finale

Art. 5. - Prezentul act intră în vigoare la data publicării în Monitorul Oficial al României, Partea I.

Nr. 592 din 29-12-2005.', '592');
INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) VALUES (31, 'Hotărârea Guvernului nr. 1391/2006 pentru aprobarea Normelor metodologice de aplicare a Ordonanței de urgență nr. 195/2002', '2006', '04-10-2006', '877', 'guvernul romaniei', 'hotarare', 'CAPITOLUL I
Dispoziții generale

Art. 1. - (1) Prezentul act reglementează aplicarea normelor privind circulația rutieră.
(2) Dispozițiile sale se aplică persoanelor fizice și juridice române și străine care desfășoară activități pe teritoriul României.

Art. 2. - În înțelesul prezentului act, termenii și expresiile folosite au semnificația stabilită de legislația în vigoare, iar autoritățile publice asigură aplicarea lor unitară.

CAPITOLUL II
Drepturi și obligații

Art. 3. - (1) Persoanele prevăzute la art. 1 au dreptul să fie informate asupra obligațiilor ce le revin.
(2) Încălcarea dispozițiilor prezentului act atrage răspunderea disciplinară, contravențională, civilă sau penală, după caz.

Art. 4. - Controlul respectării prevederilor privind aplicarea normelor privind circulația rutieră se exercită de organele abilitate, potrivit competențelor stabilite prin lege.

CAPITOLUL III
Dispoziții finale

Art. 5. - Prezentul act intră în vigoare la data publicării în Monitorul Oficial al României, Partea I.

Nr. 1391 din 04-10-2006.', '1391');
INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) VALUES (32, 'Hotărârea Guvernului nr. 925/2006 pentru aprobarea normelor de aplicare a prevederilor referitoare la achizițiile publice', '2006', '19-07-2006', '625', 'guvernul romaniei', 'hotarare', 'CAPITOLUL I
Dispoziții generale

Art. 1. - (1) Prezentul act reglementează aplicarea prevederilor privind achizițiile publice.
(2) Dispozițiile sale se aplică persoanelor fizice și juridice române și străine care desfășoară activități pe teritoriul României.

Art. 2. - În înțelesul prezentului act, termenii și expresiile folosite au semnificația stabilită de legislația în vigoare, iar autoritățile publice asigură aplicarea lor unitară.

CAPITOLUL II
Drepturi și obligații

Art. 3. - (1) Persoanele prevăzute la art. 1 au dreptul să fie informate asupra obligațiilor ce le revin.
(2) Încălcarea dispozițiilor prezentului act atrage răspunderea disciplinară, contravențională, civilă sau penală, după caz.

Art. 4. - Controlul respectării prevederilor privind aplicarea prevederilor privind achizițiile publice se exercită de organele abilitate, potrivit competențelor stabilite prin lege.

CAPITOLUL III
Dispoziții finale

Art. 5. - Prezentul act intră în vigoare la data publicării în Monitorul Oficial al României, Partea I.

Nr. 925 din 19-07-2006.', '925');
INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) VALUES (33, 'Decizia ANRE nr. 12/2006 privind tarifele de distribuție a energiei electrice', '2006', '30-03-2006', '301', 'autoritatea nationala de reglementare in domeniul energiei', 'hotarare', 'CAPITOLUL I
Dispoziții generale

Art. 1. - (1) Prezentul act reglementează tarifele de distribuție a energiei electrice.
(2) Dispozițiile sale se aplică persoanelor fizice și juridice române și străine care desfășoară activități pe teritoriul României.

Art. 2. - În înțelesul prezentului act, termenii și expresiile folosite au semnificația stabilită de legislația în vigoare, iar autoritățile publice asigură aplicarea lor unitară.

CAPITOLUL II
Drepturi și obligații

Art. 3. - (1) Persoanele prevăzute la art. 1 au dreptul să fie informate asupra obligațiilor ce le revin.
(2) Încălcarea dispozițiilor prezentului act atrage răspunderea disciplinară, contravențională, civilă sau penală, după caz.

Art. 4. - Controlul respectării prevederilor privind tarifele de distribuție a energiei electrice se exercită de organele abilitate, potrivit competențelor stabilite prin lege.

CAPITOLUL III
Dispoziții finale

Art. 5. - Prezentul act intră în vigoare la data publicării în Monitorul Oficial al României, Partea I.

Nr. 12 din 30-03-2006.', '12');
INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) VALUES (34, 'Ordinul nr. 190/2007 privind plățile directe pe suprafață', '2007', '14-03-2007', '205', 'ministerul agriculturii, padurilor si dezvoltarii rurale', 'ordin', 'CAPITOLUL I
Dispoziții generale

Art. 1. - (1) Prezentul act reglementează plățile directe pe suprafață acordate fermierilor.
(2) Dispozițiile sale se aplică persoanelor fizice și juridice române și străine care desfășoară activități pe teritoriul României.

Art. 2. - În înțelesul prezentului act, termenii și expresiile folosite au semnificația stabilită de legislația în vigoare, iar autoritățile publice asigură aplicarea lor unitară.

CAPITOLUL II
Drepturi și obligații

Art. 3. - (1) Persoanele prevăzute la art. 1 au dreptul să fie informate asupra obligațiilor ce le revin.
(2) Încălcarea dispozițiilor prezentului act atrage răspunderea disciplinară, contravențională, civilă sau penală, după caz.

Art. 4. - Controlul respectării prevederilor privind plățile directe pe suprafață acordate fermierilor se exercită de organele abilitate, potrivit competențelor stabilite prin lege.

CAPITOLUL III
Dispoziții finale

Art. 5. - Prezentul act intră în vigoare la data publicării în Monitorul Oficial al României, Partea I.

Nr. 190 din 14-03-2007.', '190');
INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) VALUES (35, 'Ordinul nr. 217/2005 privind protecția consumatorilor la comercializarea produselor', '2005', '23-05-2005', '475', 'ministerul economiei si comertului', 'ordin', 'CAPITOLUL I
Dispoziții generale

Art. 1. - (1) Prezentul act reglementează protecția consumatorilor.
(2) Dispozițiile sale se aplică persoanelor fizice și juridice române și străine care desfășoară activități pe teritoriul României.

Art. 2. - În înțelesul prezentului act, termenii și expresiile folosite au semnificația stabilită de legislația în vigoare, iar autoritățile publice asigură aplicarea lor unitară.

CAPITOLUL II
Drepturi și obligații

Art. 3. - (1) Persoanele prevăzute la art. 1 au dreptul să fie informate asupra obligațiilor ce le revin.
(2) Încălcarea dispozițiilor prezentului act atrage răspunderea disciplinară, contravențională, civilă sau penală, după caz.

Art. 4. - Controlul respectării prevederilor privind protecția consumatorilor se exercită de organele abilitate, potrivit competențelor stabilite prin lege.

CAPITOLUL III
Dispoziții finale

Art. 5. - Prezentul act intră în vigoare la data publicării în Monitorul Oficial al României, Partea I.

Nr. 217 din 23-05-2005.', '217');
INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) VALUES (36, 'Hotărârea nr. 3/2006 privind valorificarea creanțelor bugetare', '2006', '15-02-2006', '160', 'autoritatea pentru valorificarea activelor statului', 'hotarare', 'CAPITOLUL I
Dispoziții generale

Art. 1. - (1) Prezentul act reglementează valorificarea creanțelor preluate de stat.
(2) Dispozițiile sale se aplică persoanelor fizice și juridice române și străine care desfășoară activități pe teritoriul României.

Art. 2. - În înțelesul prezentului act, termenii și expresiile folosite au semnificația stabilită de legislația în vigoare, iar autoritățile publice asigură aplicarea lor unitară.

CAPITOLUL II
Drepturi și obligații

Art. 3. - (1) Persoanele prevăzute la art. 1 au dreptul să fie informate asupra obligațiilor ce le revin.
(2) Încălcarea dispozițiilor prezentului act atrage răspunderea disciplinară, contravențională, civilă sau penală, după caz.

Art. 4. - Controlul respectării prevederilor privind valorificarea creanțelor preluate de stat se exercită de organele abilitate, potrivit competențelor stabilite prin lege.

CAPITOLUL III
Dispoziții finale

Art. 5. - Prezentul act intră în vigoare la data publicării în Monitorul Oficial al României, Partea I.

Nr. 3 din 15-02-2006.', '3');
INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) VALUES (37, 'Ordinul nr. 2035/2000 privind clasarea bunurilor culturale mobile', '2000', '18-04-2000', '200', 'ministerul culturii si cultelor', 'ordin', 'CAPITOLUL I
Dispoziții generale

Art. 1. - (1) Prezentul act reglementează clasarea bunurilor culturale mobile.
(2) Dispozițiile sale se aplică persoanelor fizice și juridice române și străine care desfășoară activități pe teritoriul României.

Art. 2. - În înțelesul prezentului act, termenii și expresiile folosite au semnificația stabilită de legislația în vigoare, iar autoritățile publice asigură aplicarea lor unitară.

CAPITOLUL II
Drepturi și obligații

Art. 3. - (1) Persoanele prevăzute la art. 1 au dreptul să fie informate asupra obligațiilor ce le revin.
(2) Încălcarea dispozițiilor prezentului act atrage răspunderea disciplinară, contravențională, civilă sau penală, după caz.

Art. 4. - Controlul respectării prevederilor privind clasarea bunurilor culturale mobile se exercită de organele abilitate, potrivit competențelor stabilite prin lege.

CAPITOLUL III
Dispoziții finale

Art. 5. - Prezentul act intră în vigoare la data publicării în Monitorul Oficial al României, Partea I.

Nr. 2035 din 18-04-2000.', '2035');
INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) VALUES (38, 'Acordul dintre Guvernul României și Guvernul Republicii Moldova privind asistența juridică', '2007', '11-01-2007', '30', 'guvernul romaniei', 'acord', 'CAPITOLUL I
Dispoziții generale

Art. 1. - (1) Prezentul act reglementează asistența juridică reciprocă în materie civilă.
(2) Dispozițiile sale se aplică persoanelor fizice și juridice române și străine care desfășoară activități pe teritoriul României.

Art. 2. - În înțelesul prezentului act, termenii și expresiile folosite au semnificația stabilită de legislația în vigoare, iar autoritățile publice asigură aplicarea lor unitară.

CAPITOLUL II
Drepturi și obligații

Art. 3. - (1) Persoanele prevăzute la art. 1 au dreptul să fie informate asupra obligațiilor ce le revin.
(2) Încălcarea dispozițiilor prezentului act atrage răspunderea disciplinară, contravențională, civilă sau penală, după caz.

Art. 4. - Controlul respectării prevederilor privind asistența juridică reciprocă în materie civilă se exercită de organele abilitate, potrivit competențelor stabilite prin lege.

CAPITOLUL III
Dispoziții finale

Art. 5. - Prezentul act intră în vigoare la data publicării în Monitorul Oficial al României, Partea I.

Nr. 2 din 11-01-2007.', '2');
INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) VALUES (39, 'Rectificare la Legea nr. 571/2003 privind Codul fiscal', '2007', '02-02-2007', '81', 'monitorul oficial', 'rectificare', 'CAPITOLUL I
Dispoziții generale

Art. 1. - (1) Prezentul act reglementează îndreptarea unor erori materiale.
(2) Dispozițiile sale se aplică persoanelor fizice și juridice române și străine care desfășoară activități pe teritoriul României.

Art. 2. - În înțelesul prezentului act, termenii și expresiile folosite au semnificația stabilită de legislația în vigoare, iar autoritățile publice asigură aplicarea lor unitară.

CAPITOLUL II
Drepturi și obligații

Art. 3. - (1) Persoanele prevăzute la art. 1 au dreptul să fie informate asupra obligațiilor ce le revin.
(2) Încălcarea dispozițiilor prezentului act atrage răspunderea disciplinară, contravențională, civilă sau penală, după caz.

Art. 4. - Controlul respectării prevederilor privind îndreptarea unor erori materiale se exercită de organele abilitate, potrivit competențelor stabilite prin lege.

CAPITOLUL III
Dispoziții finale

Art. 5. - Prezentul act intră în vigoare la data publicării în Monitorul Oficial al României, Partea I.

Nr. 0 din 02-02-2007.', '0');
INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) VALUES (40, 'Legea nr. 287/2009 privind Codul civil', '2009', '17-07-2009', '511', 'parlamentul', 'lege', 'CAPITOLUL I
Dispoziții generale

Art. 1. - (1) Prezentul act reglementează raporturile patrimoniale și nepatrimoniale dintre persoane.
(2) Dispozițiile sale se aplică persoanelor fizice și juridice române și străine care desfășoară activități pe teritoriul României.

Art. 2. - În înțelesul prezentului act, termenii și expresiile folosite au semnificația stabilită de legislația în vigoare, iar autoritățile publice asigură aplicarea lor unitară.

CAPITOLUL II
Drepturi și obligații

Art. 3. - (1) Persoanele prevăzute la art. 1 au dreptul să fie informate asupra obligațiilor ce le revin.
(2) Încălcarea dispozițiilor prezentului act atrage răspunderea disciplinară, contravențională, civilă sau penală, după caz.

Art. 4. - Controlul respectării prevederilor privind raporturile patrimoniale și nepatrimoniale dintre persoane se exercită de organele abilitate, potrivit competențelor stabilite prin lege.

CAPITOLUL III
Dispoziții finale

Art. 5. - Prezentul act intră în vigoare la data publicării în Monitorul Oficial al României, Partea I.

Nr. 287 din 17-07-2009.', '287');
INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) VALUES (41, 'Legea nr. 134/2010 privind Codul de procedură civilă', '2010', '01-07-2010', '485', 'parlamentul', 'lege', 'CAPITOLUL I
Dispoziții generale

Art. 1. - (1) Prezentul act reglementează judecarea proceselor civile.
(2) Dispozițiile sale se aplică persoanelor fizice și juridice române și străine care desfășoară activități pe teritoriul României.

Art. 2. - În înțelesul prezentului act, termenii și expresiile folosite au semnificația stabilită de legislația în vigoare, iar autoritățile publice asigură aplicarea lor unitară.

CAPITOLUL II
Drepturi și obligații

Art. 3. - (1) Persoanele prevăzute la art. 1 au dreptul să fie informate asupra obligațiilor ce le revin.
(2) Încălcarea dispozițiilor prezentului act atrage răspunderea disciplinară, contravențională, civilă sau penală, după caz.

Art. 4. - Controlul respectării prevederilor privind judecarea proceselor civile se exercită de organele abilitate, potrivit competențelor stabilite prin lege.

CAPITOLUL III
Dispoziții finale

Art. 5. - Prezentul act intră în vigoare la data publicării în Monitorul Oficial al României, Partea I.

Nr. 134 din 01-07-2010.', '134');
INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) VALUES (42, 'Ordonanța de urgență nr. 54/2006 privind regimul contractelor de concesiune de bunuri proprietate publică', '2006', '28-06-2006', '569', 'guvernul romaniei', 'ordonanta de urgenta', 'CAPITOLUL I
Dispoziții generale

Art. 1. - (1) Prezentul act reglementează concesionarea bunurilor proprietate publică.
(2) Dispozițiile sale se aplică persoanelor fizice și juridice române și străine care desfășoară activități pe teritoriul României.

Art. 2. - În înțelesul prezentului act, termenii și expresiile folosite au semnificația stabilită de legislația în vigoare, iar autoritățile publice asigură aplicarea lor unitară.

CAPITOLUL II
Drepturi și obligații

Art. 3. - (1) Persoanele prevăzute la art. 1 au dreptul să fie informate asupra obligațiilor ce le revin.
(2) Încălcarea dispozițiilor prezentului act atrage răspunderea disciplinară, contravențională, civilă sau penală, după caz.

Art. 4. - Controlul respectării prevederilor privind concesionarea bunurilor proprietate publică se exercită de organele abilitate, potrivit competențelor stabilite prin lege.

CAPITOLUL III
Dispoziții finale

Art. 5. - Prezentul act intră în vigoare la data publicării în Monitorul Oficial al României, Partea I.

Nr. 54 din 28-06-2006.', '54');
INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) VALUES (43, 'Decretul domnesc nr. 1/1864 pentru promulgarea Codului civil', '1864', '26-11-1864', '1', 'domnitorul', 'decret', 'CAPITOLUL I
Dispoziții generale

Art. 1. - (1) Prezentul act reglementează promulgarea Codului civil.
(2) Dispozițiile sale se aplică persoanelor fizice și juridice române și străine care desfășoară activități pe teritoriul României.

Art. 2. - În înțelesul prezentului act, termenii și expresiile folosite au semnificația stabilită de legislația în vigoare, iar autoritățile publice asigură aplicarea lor unitară.

CAPITOLUL II
Drepturi și obligații

Art. 3. - (1) Persoanele prevăzute la art. 1 au dreptul să fie informate asupra obligațiilor ce le revin.
(2) Încălcarea dispozițiilor prezentului act atrage răspunderea disciplinară, contravențională, civilă sau penală, după caz.

Art. 4. - Controlul respectării prevederilor privind promulgarea Codului civil se exercită de organele abilitate, potrivit competențelor stabilite prin lege.

CAPITOLUL III
Dispoziții finale

Art. 5. - Prezentul act intră în vigoare la data publicării în Monitorul Oficial al României, Partea I.

Nr. 1 din 26-11-1864.', '1');
INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) VALUES (44, 'Legea nr. 182/2002 privind protecția informațiilor clasificate', '2002', '12-04-2002', '248', 'parlamentul', 'lege', 'CAPITOLUL I
Dispoziții generale

Art. 1. - (1) Prezentul act reglementează protecția informațiilor clasificate.
(2) Dispozițiile sale se aplică persoanelor fizice și juridice române și străine care desfășoară activități pe teritoriul României.

Art. 2. - În înțelesul prezentului act, termenii și expresiile folosite au semnificația stabilită de legislația în vigoare, iar autoritățile publice asigură aplicarea lor unitară.

CAPITOLUL II
Drepturi și obligații

Art. 3. - (1) Persoanele prevăzute la art. 1 au dreptul să fie informate asupra obligațiilor ce le revin.
(2) Încălcarea dispozițiilor prezentului act atrage răspunderea disciplinară, contravențională, civilă sau penală, după caz.

Art. 4. - Controlul respectării prevederilor privind protecția informațiilor clasificate se exercită de organele abilitate, potrivit competențelor stabilite prin lege.

CAPITOLUL III
Dispoziții finale

Art. 5. - Prezentul act intră în vigoare la data publicării în Monitorul Oficial al României, Partea I.

Nr. 182 din 12-04-2002.', '182');
INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) VALUES (45, 'Hotărârea Guvernului nr. 1210/2006 privind înființarea Ambasadei României în Côte d''Ivoire', '2006', '13-09-2006', '790', 'guvernul romaniei', 'hotarare', 'CAPITOLUL I
Dispoziții generale

Art. 1. - (1) Prezentul act reglementează înființarea unei misiuni diplomatice.
(2) Dispozițiile sale se aplică persoanelor fizice și juridice române și străine care desfășoară activități pe teritoriul României.

Art. 2. - În înțelesul prezentului act, termenii și expresiile folosite au semnificația stabilită de legislația în vigoare, iar autoritățile publice asigură aplicarea lor unitară.

CAPITOLUL II
Drepturi și obligații

Art. 3. - (1) Persoanele prevăzute la art. 1 au dreptul să fie informate asupra obligațiilor ce le revin.
(2) Încălcarea dispozițiilor prezentului act atrage răspunderea disciplinară, contravențională, civilă sau penală, după caz.

Art. 4. - Controlul respectării prevederilor privind înființarea unei misiuni diplomatice se exercită de organele abilitate, potrivit competențelor stabilite prin lege.

CAPITOLUL III
Dispoziții finale

Art. 5. - Prezentul act intră în vigoare la data publicării în Monitorul Oficial al României, Partea I.

Nr. 1210 din 13-09-2006.', '1210');
INSERT INTO noutati (id, titlu, link) VALUES (1, 'A fost republicată Legea nr. 31/1990 privind societățile comerciale', 4);
INSERT INTO noutati (id, titlu, link) VALUES (2, 'Noile norme de aplicare a Codului fiscal (HG nr. 44/2004)', 11);
INSERT INTO noutati (id, titlu, link) VALUES (3, 'Modificări ale Codului muncii promulgate prin decret', 20);
INSERT INTO noutati (id, titlu, link) VALUES (4, 'Procedura insolvenței: Legea nr. 85/2006 în vigoare', 5);
INSERT INTO noutati (id, titlu, link) VALUES (5, 'Achiziții publice: normele de aplicare aprobate prin HG nr. 925/2006', 32);
INSERT INTO noutati (id, titlu, link) VALUES (6, 'Codul civil: noua lege publicată în Monitorul Oficial', 40);
INSERT INTO tip_eveniment (tipeveniment) VALUES ('Termen instanta');
INSERT INTO tip_eveniment (tipeveniment) VALUES ('Intalnire client');
INSERT INTO tip_eveniment (tipeveniment) VALUES ('Consultatie');
COMMIT;
