-- Written for the embedded engine only (SQLite's trigger dialect): a view there accepts inserts
-- only through an INSTEAD OF trigger, which SQL Server does not need for these simple views.
CREATE TRIGGER V_MV_CPTEACCIONES_INSERTAR INSTEAD OF INSERT ON V_MV_CPTEACCIONES
BEGIN
    INSERT INTO MV_CPTEACCIONES (TC, IdComprobante, IdComplemento, Tipo_accion, FECHAHORA, Usuario,
                                 PC, SYSTEMUSER, Proceso, ProcesoLote, Cuenta)
    VALUES (NEW.TC, NEW.IdComprobante, NEW.IdComplemento, NEW.Tipo_accion, NEW.FECHAHORA, NEW.Usuario,
            NEW.PC, NEW.SYSTEMUSER, NEW.Proceso, NEW.ProcesoLote, NEW.Cuenta);
END
GO
CREATE TRIGGER V_MV_FALTANTES_INSERTAR INSTEAD OF INSERT ON V_MV_FALTANTES
BEGIN
    INSERT INTO MV_FALTANTES (FechaHora, IdArticulo, Descripcion, Usuario)
    VALUES (NEW.FechaHora, NEW.IdArticulo, NEW.Descripcion, NEW.Usuario);
END
GO
