#pragma once
// The application's commands around projects and the master data: open project (57601),
// new project (57600), the recent projects (57616 to 57619), heat pumps (32834) and tariffs
// (32835) in the master-data sheet with their new entries (32832, 32833), search help
// (32841) and the report (32842).
class CKelvoAppBefehle;

void RegistriereProjektBefehle(CKelvoAppBefehle& befehle);
