-- The statistics database CX_ESTADISTICAS: its own settings table, written by the shell.
CREATE TABLE TA_CONFIGURACION (
    CLAVE varchar(50) NOT NULL PRIMARY KEY,
    VALOR varchar(255) NULL,
    ValorAux varchar(255) NULL,
    Grupo varchar(50) NULL,
    PoliticaNegocio bit NOT NULL DEFAULT 0
)
GO
