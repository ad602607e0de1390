-- The suite's tables and views that Ta_Quendal reads and writes, in SQL Server's dialect.
-- velmora-db runs this file through the ADO layer, which adds what the embedded engine needs.

-- Vehicle types: the table the program maintains.
CREATE TABLE TA_QUENDAL (
    codigo char(4) NOT NULL PRIMARY KEY,
    descripcion varchar(50) NULL
)
GO

-- Application users (the database login is a different thing: the database's own name).
CREATE TABLE TA_USUARIOS (
    NOMBRE varchar(50) NOT NULL,
    SISTEMA varchar(20) NOT NULL,
    Password varchar(100) NULL,
    Administrador smallint NOT NULL DEFAULT 0,
    UNegocio char(4) NULL,
    verproforma bit NOT NULL DEFAULT 0,
    clasepusa varchar(50) NULL,
    PRIMARY KEY (NOMBRE, SISTEMA)
)
GO

-- Access log: one row per run, stamped with the exit time; both times are written as text.
CREATE TABLE Control_Acceso (
    Id int IDENTITY(1,1) NOT NULL,
    Maquina varchar(50) NULL,
    Usuario varchar(50) NULL,
    Formulario varchar(100) NULL,
    Tarea varchar(100) NULL,
    Ingreso varchar(20) NULL,
    NombreUsuario varchar(50) NULL,
    EGRESO varchar(20) NULL
)
GO

-- Company settings, key and value.
CREATE TABLE TA_CONFIGURACION (
    CLAVE varchar(50) NOT NULL PRIMARY KEY,
    VALOR varchar(255) NULL,
    ValorAux varchar(255) NULL,
    Grupo varchar(50) NULL,
    PoliticaNegocio bit NOT NULL DEFAULT 0
)
GO

-- Menu entries and the entries granted to each user.
CREATE TABLE TA_MENU (
    Clave varchar(20) NOT NULL PRIMARY KEY,
    Proceso varchar(100) NULL,
    Nombre varchar(100) NULL
)
GO
CREATE TABLE TA_TAREAS (
    USUARIO varchar(50) NOT NULL,
    TAREA varchar(20) NOT NULL,
    PRIMARY KEY (USUARIO, TAREA)
)
GO

-- Script failures logged by the update runner.
CREATE TABLE AUX_ERR (
    Id int IDENTITY(1,1) NOT NULL,
    Proceso varchar(255) NULL,
    FECHA varchar(20) NULL,
    Error int NULL,
    Descripcion varchar(250) NULL,
    sql text NULL,
    PC varchar(50) NULL,
    Usuario varchar(50) NULL
)
GO

-- Audit of actions on vouchers and records; the programs write through the view.
CREATE TABLE MV_CPTEACCIONES (
    Id int IDENTITY(1,1) NOT NULL,
    TC char(4) NULL,
    IdComprobante varchar(50) NULL,
    IdComplemento int NULL,
    Tipo_accion varchar(2) NULL,
    FECHAHORA varchar(30) NULL,
    Usuario varchar(50) NULL,
    PC varchar(50) NULL,
    SYSTEMUSER varchar(255) NULL,
    Proceso varchar(255) NULL,
    ProcesoLote varchar(25) NULL,
    Cuenta varchar(15) NULL
)
GO
CREATE VIEW V_MV_CPTEACCIONES AS
SELECT Id, TC, IdComprobante, IdComplemento, Tipo_accion, FECHAHORA, Usuario, PC, SYSTEMUSER,
       Proceso, ProcesoLote, Cuenta
FROM MV_CPTEACCIONES
GO

-- Stock shortages reported from the article lookup; written through the view.
CREATE TABLE MV_FALTANTES (
    Id int IDENTITY(1,1) NOT NULL,
    FechaHora varchar(30) NULL,
    IdArticulo char(25) NULL,
    Descripcion varchar(255) NULL,
    Usuario varchar(50) NULL
)
GO
CREATE VIEW V_MV_FALTANTES AS
SELECT Id, FechaHora, IdArticulo, Descripcion, Usuario FROM MV_FALTANTES
GO

-- Business units, with the company data the configuration load reads.
CREATE TABLE TA_UNIDADNEGOCIO (
    Codigo char(4) NOT NULL PRIMARY KEY,
    Descripcion varchar(50) NULL,
    razon_social varchar(100) NULL,
    Cuit varchar(20) NULL,
    PDV varchar(10) NULL
)
GO
CREATE VIEW V_TA_UNIDADNEGOCIO AS
SELECT Codigo, Descripcion, razon_social, Cuit, PDV FROM TA_UNIDADNEGOCIO
GO

-- Sources of the default lookups and of the family tree.
CREATE TABLE TA_FAMILIAS (
    IdFamilia varchar(10) NOT NULL PRIMARY KEY,
    Descripcion varchar(50) NULL
)
GO
CREATE VIEW V_TA_FAMILIAS AS SELECT IdFamilia, Descripcion FROM TA_FAMILIAS
GO
CREATE TABLE MA_ARTICULOS (
    IDARTICULO char(25) NOT NULL PRIMARY KEY,
    DESCRIPCION varchar(100) NULL,
    IdFamilia varchar(10) NULL,
    SUSPENDIDO bit NOT NULL DEFAULT 0
)
GO
CREATE VIEW V_MA_ARTICULOS AS SELECT DESCRIPCION, IDARTICULO, IdFamilia, SUSPENDIDO FROM MA_ARTICULOS
GO
CREATE VIEW VT_MA_ARTICULOS AS SELECT DESCRIPCION, IDARTICULO, IdFamilia, SUSPENDIDO FROM MA_ARTICULOS
GO
CREATE TABLE MA_CLIENTES (
    CODIGO char(6) NOT NULL,
    Codigo_sucursal char(3) NOT NULL DEFAULT '  0',
    RAZON_SOCIAL varchar(100) NULL,
    CONTACTO varchar(50) NULL,
    Dada_De_Baja bit NOT NULL DEFAULT 0,
    PRIMARY KEY (CODIGO, Codigo_sucursal)
)
GO
CREATE VIEW VT_CLIENTES AS SELECT RAZON_SOCIAL, CODIGO, CONTACTO, Codigo_sucursal, Dada_De_Baja FROM MA_CLIENTES
GO
CREATE TABLE MA_PROVEEDORES (
    CODIGO char(6) NOT NULL PRIMARY KEY,
    RAZON_SOCIAL varchar(100) NULL,
    Dada_De_Baja bit NOT NULL DEFAULT 0
)
GO
CREATE VIEW VT_PROVEEDORES AS SELECT RAZON_SOCIAL, CODIGO, Dada_De_Baja FROM MA_PROVEEDORES
GO
CREATE TABLE MA_CONTACTOS (
    Id int IDENTITY(1,1) NOT NULL,
    Nombre_y_Apellido varchar(100) NULL,
    Domicilio varchar(100) NULL,
    Localidad varchar(50) NULL,
    Telefono varchar(30) NULL
)
GO
CREATE TABLE TA_VENDEDORES (
    IDVENDEDOR char(4) NOT NULL PRIMARY KEY,
    NOMBRE varchar(50) NULL
)
GO
CREATE VIEW V_TA_VENDEDORES AS SELECT NOMBRE, IDVENDEDOR FROM TA_VENDEDORES
GO
CREATE TABLE TA_TECNICOS (
    IDTECNICO char(4) NOT NULL PRIMARY KEY,
    NOMBRE varchar(50) NULL
)
GO
CREATE VIEW V_TA_TECNICOS AS SELECT NOMBRE, IDTECNICO FROM TA_TECNICOS
GO
CREATE TABLE MA_MANTENIMIENTOS (
    CODIGO char(6) NOT NULL PRIMARY KEY,
    DESCRIPCION varchar(100) NULL
)
GO
CREATE VIEW V_MA_MANTENIMIENTOS AS SELECT DESCRIPCION, CODIGO FROM MA_MANTENIMIENTOS
GO
CREATE TABLE MA_CUENTAS (
    CODIGO varchar(15) NOT NULL PRIMARY KEY,
    DESCRIPCION varchar(100) NULL
)
GO
-- Workshop tasks (not the menu grants of TA_TAREAS).
CREATE TABLE TA_TAREASTALLER (
    IdTarea char(4) NOT NULL PRIMARY KEY,
    Descripcion varchar(50) NULL
)
GO
CREATE VIEW V_TA_TAREAS AS SELECT Descripcion, IdTarea FROM TA_TAREASTALLER
GO
CREATE TABLE TA_DEPOSITO (
    IdDeposito char(4) NOT NULL PRIMARY KEY,
    Descripcion varchar(50) NULL,
    Unidad char(4) NULL
)
GO
CREATE VIEW V_TA_DEPOSITO AS SELECT Descripcion, Unidad, IdDeposito FROM TA_DEPOSITO
GO
